// SPDX-License-Identifier: GPL-2.0-or-later
/*
 * /proc/zaurus/CCCR and /proc/zaurus/VCORE on PXA27x machines, for pelvaro:
 * the clock manager's configuration register, switched through cpufreq, and
 * the step of the "vcc_core" regulator, set through the regulator framework.
 *
 * Each write is one line: a hexadecimal number and a newline, at most
 * LINE_MAX_BYTES bytes in all. A longer write is refused whole with EINVAL,
 * so no value is ever taken from part of a line.
 *
 * A step written to VCORE is this module's voltage request on "vcc_core". It
 * stays until the next VCORE write, or until the module is unloaded, and the
 * regulator framework holds every later voltage change within it: cpufreq
 * then switches only to the operating points whose voltage range holds that
 * step, and a CCCR write naming any other is refused.
 *
 * SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
 */

#define pr_fmt(fmt) KBUILD_MODNAME ": " fmt

#include <linux/bitfield.h>
#include <linux/bits.h>
#include <linux/cpufreq.h>
#include <linux/io.h>
#include <linux/kernel.h>
#include <linux/module.h>
#include <linux/mutex.h>
#include <linux/proc_fs.h>
#include <linux/regulator/consumer.h>
#include <linux/soc/pxa/cpu.h>
#include <linux/uaccess.h>

#define PXA27X_CCCR_PHYS	0x41300000
#define CCCR_L			GENMASK(4, 0)
#define CCCR_2N			GENMASK(10, 7)
#define CCCR_A			BIT(25)
#define CCCR_OPERATING_POINT	(CCCR_L | CCCR_2N | CCCR_A)
#define OSCILLATOR_KHZ		13000

/*
 * The longest line either file takes, with its newline: room for a register's
 * eight digits with "0x" and leading zeros, and far less than a page.
 */
#define LINE_MAX_BYTES		32

/* The ISL6271A's codes: 16 steps of 50 mV from 0.85 V. */
#define VCORE_CODES		16
#define VCORE_MIN_UV		850000
#define VCORE_STEP_UV		50000

/*
 * The operating points the kernel's PXA27x clock driver can switch to
 * (drivers/clk/pxa/clk-pxa27x.c), by their L, 2N and A: 104, 156, 208, 312,
 * 416, 520 and 624 MHz.
 */
static const u32 pxa27x_operating_points[] = {
	0x02000108, 0x02000188, 0x00000110, 0x02000190,
	0x02000210, 0x02000290, 0x02000310,
};

static void __iomem *cccr;
static struct regulator *vcc_core;
static struct proc_dir_entry *zaurus_dir;
/* One write at a time, to either file. */
static DEFINE_MUTEX(write_lock);

static unsigned int run_khz(u32 value)
{
	return OSCILLATOR_KHZ * FIELD_GET(CCCR_L, value);
}

static unsigned int turbo_khz(u32 value)
{
	return run_khz(value) * FIELD_GET(CCCR_2N, value) / 2;
}

static bool is_operating_point(u32 value)
{
	unsigned int i;

	for (i = 0; i < ARRAY_SIZE(pxa27x_operating_points); i++)
		if ((value & CCCR_OPERATING_POINT) == pxa27x_operating_points[i])
			return true;
	return false;
}

/*
 * Switches to the operating point VALUE names as writing scaling_setspeed
 * would: cpufreq orders voltage and frequency, and the clock driver sets the
 * SDRAM refresh around the change.
 */
static int switch_operating_point(u32 value)
{
	unsigned int khz = turbo_khz(value), now_khz;
	struct cpufreq_policy *policy;
	u32 now;
	int ret;

	if (!is_operating_point(value) ||
	    (value & ~CCCR_OPERATING_POINT) != (readl(cccr) & ~CCCR_OPERATING_POINT))
		return -EINVAL;

	policy = cpufreq_cpu_get(0);
	if (!policy)
		return -ENODEV;
	down_write(&policy->rwsem);
	if (cpumask_empty(policy->cpus) || !policy->governor ||
	    !policy->governor->store_setspeed)
		ret = -EBUSY;
	else if (khz < policy->min || khz > policy->max ||
		 cpufreq_frequency_table_get_index(policy, khz) < 0)
		ret = -EINVAL;
	else
		ret = policy->governor->store_setspeed(policy, khz);
	now_khz = policy->cur;
	up_write(&policy->rwsem);
	cpufreq_cpu_put(policy);
	if (ret)
		return ret;

	now = readl(cccr);
	if (now_khz != run_khz(now) && now_khz != turbo_khz(now)) {
		pr_warn("cpufreq runs at %u kHz, CCCR %08X names %u and %u kHz\n",
			now_khz, now, run_khz(now), turbo_khz(now));
		return -EIO;
	}
	return 0;
}

/* Takes one whole line of at most LINE_MAX_BYTES bytes as a hexadecimal number. */
static int parse_line(const char __user *buf, size_t count, u32 *value)
{
	char line[LINE_MAX_BYTES + 1];

	if (count > LINE_MAX_BYTES)
		return -EINVAL;
	if (copy_from_user(line, buf, count))
		return -EFAULT;
	line[count] = '\0';
	return kstrtou32(line, 16, value);
}

static ssize_t cccr_read(struct file *file, char __user *buf, size_t count,
			 loff_t *ppos)
{
	char line[sizeof("01234567\n")];
	int length = scnprintf(line, sizeof(line), "%08X\n", readl(cccr));

	return simple_read_from_buffer(buf, count, ppos, line, length);
}

static ssize_t cccr_write(struct file *file, const char __user *buf,
			  size_t count, loff_t *ppos)
{
	u32 value;
	int ret;

	ret = parse_line(buf, count, &value);
	if (ret)
		return ret;
	mutex_lock(&write_lock);
	ret = switch_operating_point(value);
	mutex_unlock(&write_lock);
	return ret ? ret : count;
}

static const struct proc_ops cccr_ops = {
	.proc_read = cccr_read,
	.proc_write = cccr_write,
	.proc_lseek = default_llseek,
};

static ssize_t vcore_read(struct file *file, char __user *buf, size_t count,
			  loff_t *ppos)
{
	char line[sizeof("0F\n")];
	int uv = regulator_get_voltage(vcc_core);
	int code, length;

	if (uv < 0)
		return uv;
	code = (uv - VCORE_MIN_UV) / VCORE_STEP_UV;
	if (uv < VCORE_MIN_UV || (uv - VCORE_MIN_UV) % VCORE_STEP_UV ||
	    code >= VCORE_CODES)
		return -EIO;
	length = scnprintf(line, sizeof(line), "%02X\n", code);
	return simple_read_from_buffer(buf, count, ppos, line, length);
}

static ssize_t vcore_write(struct file *file, const char __user *buf,
			   size_t count, loff_t *ppos)
{
	int ret, uv;
	u32 code;

	ret = parse_line(buf, count, &code);
	if (ret)
		return ret;
	if (code >= VCORE_CODES)
		return -EINVAL;
	uv = VCORE_MIN_UV + code * VCORE_STEP_UV;
	mutex_lock(&write_lock);
	ret = regulator_set_voltage(vcc_core, uv, uv);
	mutex_unlock(&write_lock);
	return ret ? ret : count;
}

static const struct proc_ops vcore_ops = {
	.proc_read = vcore_read,
	.proc_write = vcore_write,
	.proc_lseek = default_llseek,
};

static int __init pelvaro_zaurus_init(void)
{
	int ret = -ENOMEM;

	if (!cpu_is_pxa27x()) {
		pr_info("no PXA27x processor: no /proc/zaurus\n");
		return -ENODEV;
	}
	cccr = ioremap(PXA27X_CCCR_PHYS, sizeof(u32));
	if (!cccr)
		return -ENOMEM;

	vcc_core = regulator_get_optional(NULL, "vcc_core");
	if (IS_ERR(vcc_core)) {
		ret = PTR_ERR(vcc_core);
		vcc_core = NULL;
		if (ret != -ENODEV)
			goto unmap;
	}

	ret = -ENOMEM;
	zaurus_dir = proc_mkdir("zaurus", NULL);
	if (!zaurus_dir)
		goto put_regulator;
	if (!proc_create("CCCR", 0644, zaurus_dir, &cccr_ops))
		goto remove;
	if (vcc_core && !proc_create("VCORE", 0644, zaurus_dir, &vcore_ops))
		goto remove;
	return 0;

remove:
	proc_remove(zaurus_dir);
put_regulator:
	if (vcc_core)
		regulator_put(vcc_core);
unmap:
	iounmap(cccr);
	return ret;
}

static void __exit pelvaro_zaurus_exit(void)
{
	proc_remove(zaurus_dir);
	if (vcc_core)
		regulator_put(vcc_core);
	iounmap(cccr);
}

module_init(pelvaro_zaurus_init);
module_exit(pelvaro_zaurus_exit);

MODULE_AUTHOR("The pelvaro developers <pelvaro@pelvaro.org>");
MODULE_DESCRIPTION("PXA27x clock configuration and core voltage in /proc/zaurus");
MODULE_LICENSE("GPL");

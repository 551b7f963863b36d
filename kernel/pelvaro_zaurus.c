// SPDX-License-Identifier: GPL-2.0-or-later
/*
 * /proc/zaurus/CCCR and /proc/zaurus/VCORE on PXA27x machines, for pelvaro:
 * the clock manager's configuration register, switched through cpufreq, and
 * the step of the "vcc_core" regulator, set through the regulator framework.
 *
 * Each write is one line: a hexadecimal number and its newline, at most
 * LINE_MAX_BYTES bytes in all. A longer write, or one without its newline, is
 * refused whole with EINVAL, so no value is ever taken from part of a line.
 *
 * A step written to VCORE is this module's voltage request on "vcc_core". It
 * stays until the next VCORE write, or until the module is unloaded, and the
 * regulator framework holds every later voltage change within it where
 * cpufreq has the regulator too. Whether it has or not, the module itself
 * keeps the processor on a voltage its clock runs on: it refuses with ERANGE
 * a VCORE step below the least voltage of the clock the processor runs at, and
 * a CCCR write naming an operating point that needs more than the core
 * voltage now. The user raises VCORE before the clock, and lowers the clock
 * before VCORE.
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

#include "pxa27x_operating_points.h"

#define PXA27X_CCCR_PHYS	0x41300000
#define CCCR_L			GENMASK(4, 0)
#define CCCR_2N			GENMASK(10, 7)
#define CCCR_A			BIT(25)
#define CCCR_LCD_26		BIT(27)
#define CCCR_PPDIS		BIT(30)
#define CCCR_CPDIS		BIT(31)
#define CCCR_OPERATING_POINT	(CCCR_L | CCCR_2N | CCCR_A)
/* The bits drivers/clk/pxa/clk-pxa27x.c defines; the others are reserved. */
#define CCCR_DEFINED		(CCCR_OPERATING_POINT | CCCR_LCD_26 | \
				 CCCR_PPDIS | CCCR_CPDIS)
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

/* The PXA27x's operating points, slowest first. */
static const struct pxa27x_operating_point {
	u32 cccr;
	unsigned int khz;
	int min_uv;
} pxa27x_operating_points[] = PXA27X_OPERATING_POINTS;

static void __iomem *cccr;
static struct regulator *vcc_core;
static struct proc_dir_entry *zaurus_dir;
/* One write at a time, to either file. */
static DEFINE_MUTEX(register_write_mutex);

static unsigned int run_khz(u32 value)
{
	return OSCILLATOR_KHZ * FIELD_GET(CCCR_L, value);
}

static unsigned int turbo_khz(u32 value)
{
	return run_khz(value) * FIELD_GET(CCCR_2N, value) / 2;
}

/* The operating point whose L, 2N and A VALUE holds, or NULL. */
static const struct pxa27x_operating_point *operating_point(u32 value)
{
	unsigned int i;

	for (i = 0; i < ARRAY_SIZE(pxa27x_operating_points); i++)
		if ((value & CCCR_OPERATING_POINT) ==
		    pxa27x_operating_points[i].cccr)
			return &pxa27x_operating_points[i];
	return NULL;
}

/*
 * The least core voltage the processor runs on at KHZ: that of the slowest
 * operating point at least as fast, or of the fastest where none is.
 */
static int min_uv_at(unsigned int khz)
{
	unsigned int i;

	for (i = 0; i < ARRAY_SIZE(pxa27x_operating_points) - 1; i++)
		if (pxa27x_operating_points[i].khz >= khz)
			break;
	return pxa27x_operating_points[i].min_uv;
}

/*
 * Whether cpufreq's POLICY takes a switch to POINT now, and the core voltage
 * allows it.
 */
static int may_switch(struct cpufreq_policy *policy,
		      const struct pxa27x_operating_point *point)
{
	int uv;

	if (cpumask_empty(policy->cpus) || !policy->governor ||
	    !policy->governor->store_setspeed)
		return -EBUSY;
	if (point->khz < policy->min || point->khz > policy->max ||
	    cpufreq_frequency_table_get_index(policy, point->khz) < 0)
		return -EINVAL;
	if (!vcc_core)
		return 0;
	uv = regulator_get_voltage(vcc_core);
	if (uv < 0)
		return uv;
	return uv < point->min_uv ? -ERANGE : 0;
}

/*
 * Switches to the operating point VALUE names as writing scaling_setspeed
 * would: cpufreq orders voltage and frequency, and the clock driver sets the
 * SDRAM refresh around the change. Of VALUE's other defined bits, none may
 * differ from the register's.
 */
static int switch_operating_point(u32 value)
{
	const struct pxa27x_operating_point *point = operating_point(value);
	struct cpufreq_policy *policy;
	u32 now;
	int ret;

	if (!point || (value ^ readl(cccr)) & CCCR_DEFINED & ~CCCR_OPERATING_POINT)
		return -EINVAL;

	policy = cpufreq_cpu_get(0);
	if (!policy)
		return -ENODEV;
	down_write(&policy->rwsem);
	ret = may_switch(policy, point);
	if (!ret)
		ret = policy->governor->store_setspeed(policy, point->khz);
	/* Read back before another writer of scaling_setspeed can switch. */
	now = readl(cccr);
	if (!ret && policy->cur != run_khz(now) && policy->cur != turbo_khz(now)) {
		pr_warn_ratelimited("cpufreq runs at %u kHz, CCCR %08X names %u and %u kHz\n",
				    policy->cur, now, run_khz(now), turbo_khz(now));
		ret = -EIO;
	}
	up_write(&policy->rwsem);
	cpufreq_cpu_put(policy);
	return ret;
}

/*
 * Takes one whole line, ending in its newline, of at most LINE_MAX_BYTES bytes
 * as a hexadecimal number.
 */
static int parse_line(const char __user *buf, size_t count, u32 *value)
{
	char line[LINE_MAX_BYTES + 1];

	if (!count || count > LINE_MAX_BYTES)
		return -EINVAL;
	if (copy_from_user(line, buf, count))
		return -EFAULT;
	if (line[count - 1] != '\n')
		return -EINVAL;
	line[count - 1] = '\0';
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
	mutex_lock(&register_write_mutex);
	ret = switch_operating_point(value);
	mutex_unlock(&register_write_mutex);
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

/*
 * Sets the step CODE where the clock the processor runs at lives on it. That
 * clock is cpufreq's, held still meanwhile; without cpufreq, the faster of the
 * two CCCR names.
 */
static int set_vcore(u32 code)
{
	int uv = VCORE_MIN_UV + code * VCORE_STEP_UV;
	struct cpufreq_policy *policy = cpufreq_cpu_get(0);
	unsigned int khz = 0;
	int ret;

	if (policy) {
		down_read(&policy->rwsem);
		khz = policy->cur;
	}
	if (!khz)
		khz = turbo_khz(readl(cccr));
	if (uv < min_uv_at(khz))
		ret = -ERANGE;
	else
		ret = regulator_set_voltage(vcc_core, uv, uv);
	if (policy) {
		up_read(&policy->rwsem);
		cpufreq_cpu_put(policy);
	}
	return ret;
}

static ssize_t vcore_write(struct file *file, const char __user *buf,
			   size_t count, loff_t *ppos)
{
	int ret;
	u32 code;

	ret = parse_line(buf, count, &code);
	if (ret)
		return ret;
	if (code >= VCORE_CODES)
		return -EINVAL;
	mutex_lock(&register_write_mutex);
	ret = set_vcore(code);
	mutex_unlock(&register_write_mutex);
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

	/* proc_mkdir fails alike for a folder that is there and for memory. */
	ret = -EEXIST;
	zaurus_dir = proc_mkdir("zaurus", NULL);
	if (!zaurus_dir) {
		pr_err("cannot make /proc/zaurus: another driver may have it\n");
		goto put_regulator;
	}
	ret = -ENOMEM;
	if (!proc_create("CCCR", 0644, zaurus_dir, &cccr_ops) ||
	    (vcc_core && !proc_create("VCORE", 0644, zaurus_dir, &vcore_ops))) {
		pr_err("cannot make the files in /proc/zaurus\n");
		goto remove;
	}
	if (!vcc_core)
		pr_info("no \"vcc_core\" regulator: no /proc/zaurus/VCORE\n");
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

/* cpufreq first, so that a CCCR write finds its policy. */
MODULE_SOFTDEP("pre: pxa2xx-cpufreq");
MODULE_AUTHOR("The pelvaro developers <pelvaro@pelvaro.org>");
MODULE_DESCRIPTION("PXA27x clock configuration and core voltage in /proc/zaurus");
MODULE_LICENSE("GPL");

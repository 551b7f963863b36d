// SPDX-License-Identifier: GPL-2.0-or-later
/*
 * A stand-in for the Zaurus's ISL6271A core-voltage regulator, which qemu
 * does not emulate, for the emulated machine: the supply "vcc_core", named
 * "vcc_core range" as the boards name it (arch/arm/mach-pxa/spitz.c), with
 * the same 16 steps of 50 mV from 0.85 V, its step held in memory.
 *
 * SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
 */

#include <linux/module.h>
#include <linux/platform_device.h>
#include <linux/regulator/driver.h>
#include <linux/regulator/machine.h>

/* 1.35 V, which the 416 MHz operating point the machine starts at needs. */
static unsigned int step = 10;

static int standin_get_voltage_sel(struct regulator_dev *rdev)
{
	return step;
}

static int standin_set_voltage_sel(struct regulator_dev *rdev,
				   unsigned int selector)
{
	step = selector;
	return 0;
}

static const struct regulator_ops standin_ops = {
	.list_voltage = regulator_list_voltage_linear,
	.map_voltage = regulator_map_voltage_linear,
	.get_voltage_sel = standin_get_voltage_sel,
	.set_voltage_sel = standin_set_voltage_sel,
};

static const struct regulator_desc standin_desc = {
	.name = "vcc_core_standin",
	.ops = &standin_ops,
	.type = REGULATOR_VOLTAGE,
	.n_voltages = 16,
	.min_uV = 850000,
	.uV_step = 50000,
	.owner = THIS_MODULE,
};

static struct regulator_consumer_supply standin_supply =
	REGULATOR_SUPPLY("vcc_core", NULL);

static struct regulator_init_data standin_init_data = {
	.constraints = {
		.name = "vcc_core range",
		.min_uV = 850000,
		.max_uV = 1600000,
		.always_on = 1,
		.valid_ops_mask = REGULATOR_CHANGE_VOLTAGE,
	},
	.consumer_supplies = &standin_supply,
	.num_consumer_supplies = 1,
};

static struct platform_device *standin_device;
static struct regulator_dev *standin_regulator;

static int __init standin_init(void)
{
	struct regulator_config config = { .init_data = &standin_init_data };

	standin_device = platform_device_register_simple("vcc-core-standin",
							 PLATFORM_DEVID_NONE,
							 NULL, 0);
	if (IS_ERR(standin_device))
		return PTR_ERR(standin_device);
	config.dev = &standin_device->dev;
	standin_regulator = regulator_register(&standin_device->dev,
					       &standin_desc, &config);
	if (IS_ERR(standin_regulator)) {
		platform_device_unregister(standin_device);
		return PTR_ERR(standin_regulator);
	}
	return 0;
}

static void __exit standin_exit(void)
{
	regulator_unregister(standin_regulator);
	platform_device_unregister(standin_device);
}

module_init(standin_init);
module_exit(standin_exit);

MODULE_DESCRIPTION("A stand-in vcc_core regulator for the emulated Zaurus");
MODULE_LICENSE("GPL");

/* SPDX-License-Identifier: GPL-2.0-or-later */
/*
 * The PXA27x's operating points, slowest first, as drivers/cpufreq/
 * pxa2xx-cpufreq.c lists them and drivers/clk/pxa/clk-pxa27x.c switches to
 * them: their L, 2N and A in CCCR, the turbo clock those name in kHz, and the
 * least core voltage, in microvolts, that clock runs on. Shared by the kernel
 * module and the program, as initializers of a structure of those three.
 *
 * SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
 */
#ifndef PXA27X_OPERATING_POINTS_H
#define PXA27X_OPERATING_POINTS_H

#define PXA27X_OPERATING_POINTS {				\
	{ 0x02000108, 104000,  900000 },			\
	{ 0x02000188, 156000, 1000000 },			\
	{ 0x00000110, 208000, 1180000 },			\
	{ 0x02000190, 312000, 1250000 },			\
	{ 0x02000210, 416000, 1350000 },			\
	{ 0x02000290, 520000, 1450000 },			\
	{ 0x02000310, 624000, 1550000 },			\
}

#endif

#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# Runs a Qt program with its accessibility live, as under a screen reader: starts the AT-SPI
# bus on the D-Bus session and the X display it is given (dbus-run-session and xvfb-run), and
# has Qt's bridge connect to it.
#
#   a11y-session.sh COMMAND [ARG...]
set -u
launcher=/usr/libexec/at-spi-bus-launcher
for tool in $launcher dbus-send; do
    command -v $tool >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
$launcher --launch-immediately &
trap 'kill $!' EXIT
# The bus, waited for up to a minute, however busy the machine.
for try in $(seq 600) fail; do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1 && break
    [ $try = fail ] && { echo "FAIL: the AT-SPI bus did not start"; exit 1; }
    sleep 0.1
done
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$@"

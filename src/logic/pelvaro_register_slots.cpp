// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// Moving values between the panel and the kernel's register files, and telling where a write
// failed.
#include "app/pelvaro.h"
#include "logic/clockmodel.h"
#include "logic/registerfiles.h"
#include "logic/voltage.h"
#include "logic/writefailure.h"

#include <QSpinBox>

#include <unistd.h>

void pelvaro::read_cccr()
{
    scan_register_file(cccr_file_path, cccr_value);
    const CccrFields fields = unpack_cccr(cccr_value);
    changeL->setValue(fields.l);
    change2N->setValue(fields.twoN);
    changeA->setValue(fields.a);
    changeLCD->setValue(fields.lcd);
}

void pelvaro::write_cccr()
{
    sync();
    cccr_value =
        pack_cccr({changeL->value(), change2N->value(), changeA->value(), changeLCD->value()});
    write_register_line(this, "CCCR", cccr_file_path, cccr_value, cccr_file_text(cccr_value));
}

void pelvaro::read_vcore()
{
    scan_register_file(vcore_file_path, vcore_value);
    changeVCORE->setValue(static_cast<int>(vcore_value & vcore_field_mask));
}

void pelvaro::write_vcore()
{
    sync();
    vcore_value = static_cast<std::uint32_t>(changeVCORE->value()) & vcore_field_mask;
    write_register_line(this, "VCORE", vcore_file_path, vcore_value, vcore_file_text(vcore_value));
}

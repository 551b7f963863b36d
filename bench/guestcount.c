// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// A TCG plugin for qemu-arm (qemu 7.2's plugin API) that counts the guest instructions a program
// executes and its distinct guest code, the instructions at distinct addresses that qemu
// translated, at each phase mark and at the program's end. A mark is a write to file
// descriptor -1 (which fails and changes nothing) whose byte count is the mark's number.
//
//   qemu-arm -plugin guestcount.so,out=FILE PROGRAM...
//
// FILE gets one line a mark and one at the end: "MARK EXECUTED DISTINCT".
#include <qemu-plugin.h>

#include <pthread.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

QEMU_PLUGIN_EXPORT int qemu_plugin_version = QEMU_PLUGIN_VERSION;

enum { arm_write = 4, max_marks = 64 };

static uint64_t executed;
static pthread_mutex_t lock = PTHREAD_MUTEX_INITIALIZER;
// The addresses of the instructions translated so far: an open-addressing set, grown at half.
static uint64_t *seen;
static size_t seen_size = 1 << 16, distinct;
static FILE *out;

static void remember(uint64_t address)
{
    size_t mask = seen_size - 1, slot = (address * 0x9E3779B97F4A7C15ull >> 20) & mask;
    // Address 0 marks a free slot: the guest has no code there.
    while (seen[slot] && seen[slot] != address)
        slot = (slot + 1) & mask;
    if (seen[slot])
        return;
    seen[slot] = address;
    if (++distinct * 2 < seen_size)
        return;
    uint64_t *old = seen;
    size_t old_size = seen_size;
    seen_size *= 2;
    seen = calloc(seen_size, sizeof *seen);
    distinct = 0;
    for (size_t i = 0; i < old_size; i++)
        if (old[i])
            remember(old[i]);
    free(old);
}

static void block_executed(unsigned int vcpu, void *instructions)
{
    (void)vcpu;
    __atomic_fetch_add(&executed, (uintptr_t)instructions, __ATOMIC_RELAXED);
}

static void block_translated(qemu_plugin_id_t id, struct qemu_plugin_tb *block)
{
    (void)id;
    size_t count = qemu_plugin_tb_n_insns(block);
    pthread_mutex_lock(&lock);
    for (size_t i = 0; i < count; i++)
        remember(qemu_plugin_insn_vaddr(qemu_plugin_tb_get_insn(block, i)));
    pthread_mutex_unlock(&lock);
    qemu_plugin_register_vcpu_tb_exec_cb(block, block_executed, QEMU_PLUGIN_CB_NO_REGS,
                                         (void *)(uintptr_t)count);
}

static void report(const char *mark)
{
    pthread_mutex_lock(&lock);
    fprintf(out, "%s %llu %zu\n", mark,
            (unsigned long long)__atomic_load_n(&executed, __ATOMIC_RELAXED), distinct);
    fflush(out);
    pthread_mutex_unlock(&lock);
}

static void system_call(qemu_plugin_id_t id, unsigned int vcpu, int64_t number, uint64_t a1,
                        uint64_t a2, uint64_t a3, uint64_t a4, uint64_t a5, uint64_t a6,
                        uint64_t a7, uint64_t a8)
{
    (void)id, (void)vcpu, (void)a2, (void)a4, (void)a5, (void)a6, (void)a7, (void)a8;
    if (number == arm_write && (uint32_t)a1 == UINT32_MAX && a3 < max_marks) {
        char mark[16];
        snprintf(mark, sizeof mark, "%u", (unsigned)a3);
        report(mark);
    }
}

static void ended(qemu_plugin_id_t id, void *data)
{
    (void)id, (void)data;
    report("end");
    fclose(out);
}

QEMU_PLUGIN_EXPORT int qemu_plugin_install(qemu_plugin_id_t id, const qemu_info_t *info, int argc,
                                           char **argv)
{
    (void)info;
    const char *path = NULL;
    for (int i = 0; i < argc; i++)
        if (strncmp(argv[i], "out=", 4) == 0)
            path = argv[i] + 4;
    if (!path || !(out = fopen(path, "w"))) {
        fprintf(stderr, "guestcount: give out=FILE, a file it can write\n");
        return -1;
    }
    seen = calloc(seen_size, sizeof *seen);
    qemu_plugin_register_vcpu_tb_trans_cb(id, block_translated);
    qemu_plugin_register_vcpu_syscall_cb(id, system_call);
    qemu_plugin_register_atexit_cb(id, ended, NULL);
    return 0;
}

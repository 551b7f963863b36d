#!/usr/bin/perl
# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# Works the emulated Zaurus from outside, for its tests: its keyboard and screen through qemu's
# monitor, its root shell through the serial console, both unix sockets.
#
#   machine.pl MONITOR keys KEY...     presses each key (qemu's names: tab, up, spc) in turn
#   machine.pl MONITOR screen FILE     saves the screen as a PNG (FILE: an absolute path, as
#                                      qemu writes it from its own folder)
#   machine.pl MONITOR command LINE    gives the monitor LINE (pmemsave ...), prints its answer
#   machine.pl SERIAL run COMMAND      runs COMMAND in the root shell, prints its output
# A machine that does not answer within a minute ends it with 124.
use strict;
use warnings;
use IO::Socket::UNIX;

my ($where, $command, @arguments) = @ARGV;
local $SIG{ALRM} = sub { print STDERR "machine.pl: no answer on $where\n"; exit 124 };
alarm 60;

sub connect_to {
    my $socket = IO::Socket::UNIX->new(Peer => $where, Type => SOCK_STREAM)
        or die "machine.pl: cannot connect to $where: $!\n";
    return $socket;
}

# Reads until the text read so far matches PATTERN; returns it.
sub read_until {
    my ($socket, $pattern) = @_;
    my $text = '';
    while ($text !~ $pattern) {
        my $got = sysread($socket, my $chunk, 4096);
        die "machine.pl: $where closed\n" unless $got;
        $text .= $chunk;
    }
    return $text;
}

sub monitor {
    my ($socket, $line) = @_;
    print $socket "$line\n";
    read_until($socket, qr/\(qemu\) $/);
}

if ($command eq 'keys') {
    my $socket = connect_to();
    read_until($socket, qr/\(qemu\) $/);
    # qemu holds each key 100 ms; the next is pressed once this one is up.
    for my $key (@arguments) {
        monitor($socket, "sendkey $key");
        select(undef, undef, undef, 0.25);
    }
} elsif ($command eq 'screen' || $command eq 'command') {
    my $socket = connect_to();
    read_until($socket, qr/\(qemu\) $/);
    my $line = $command eq 'screen' ? "screendump $arguments[0] -f png" : $arguments[0];
    print monitor($socket, $line) =~ s/^.*?\n|\(qemu\) $//gsr;
} elsif ($command eq 'run') {
    my $socket = connect_to();
    # The shell echoes the line; the quotes keep the echo from matching the markers.
    print $socket "printf '%s\\n' =pelvaro''-begin=; $arguments[0]; printf '=pelvaro''-end %s=\\n' \$?\n";
    my $text = read_until($socket, qr/=pelvaro-end \d+=/);
    my ($output, $status) = $text =~ /=pelvaro-begin=\r?\n(.*?)=pelvaro-end (\d+)=/s;
    $output =~ s/\r//g;
    print $output;
    exit $status;
} else {
    die "machine.pl: unknown command '$command'\n";
}

#!/usr/bin/perl
# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# Works the emulated Zaurus from outside, for its tests: its keyboard and screen through qemu's
# monitor, its root shell through the serial console, both unix sockets.
#
#   machine.pl MONITOR keys KEY...     presses each key (qemu's names: tab, up, spc) in turn
#   machine.pl MONITOR screen FILE     saves the screen as a PNG
#   machine.pl MONITOR lit             prints the screen's size and how many of its pixels are
#                                      not black, as WIDTH HEIGHT COUNT
#   machine.pl SERIAL run COMMAND      runs COMMAND in the root shell, prints its output
#   machine.pl compare A B             prints how many pixels differ between two pictures of one
#                                      size by more than a 16-bit screen's step (8 in a channel)
use strict;
use warnings;
use IO::Socket::UNIX;
use Image::Imlib2;
use File::Temp qw(tempdir);

my ($where, $command, @arguments) = @ARGV;
local $SIG{ALRM} = sub { die "machine.pl: no answer on $where\n" };
alarm 120;

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

if ($command eq 'compare') {
    my ($a, $b) = map { Image::Imlib2->load($_) } $where, @arguments;
    die "machine.pl: the pictures differ in size\n"
        unless $a->width == $b->width && $a->height == $b->height;
    my $differing = 0;
    for my $y (0 .. $a->height - 1) {
        for my $x (0 .. $a->width - 1) {
            my @p = ($a->query_pixel($x, $y))[0 .. 2];
            my @q = ($b->query_pixel($x, $y))[0 .. 2];
            $differing++ if grep { abs($p[$_] - $q[$_]) > 8 } 0 .. 2;
        }
    }
    print "$differing\n";
} elsif ($command eq 'keys') {
    my $socket = connect_to();
    read_until($socket, qr/\(qemu\) $/);
    # qemu holds each key 100 ms; the next is pressed once this one is up.
    for my $key (@arguments) {
        monitor($socket, "sendkey $key");
        select(undef, undef, undef, 0.25);
    }
} elsif ($command eq 'screen') {
    my $socket = connect_to();
    read_until($socket, qr/\(qemu\) $/);
    my $ppm = tempdir(CLEANUP => 1) . '/screen.ppm';
    monitor($socket, "screendump $ppm");
    my $image = Image::Imlib2->load($ppm);
    $image->image_set_format('png');
    $image->save($arguments[0]);
    print $image->width, 'x', $image->height, "\n";
} elsif ($command eq 'lit') {
    my $socket = connect_to();
    read_until($socket, qr/\(qemu\) $/);
    my $ppm = tempdir(CLEANUP => 1) . '/screen.ppm';
    monitor($socket, "screendump $ppm");
    open(my $file, '<:raw', $ppm) or die "machine.pl: no screen from $where\n";
    my ($width, $height, $pixels) = do { local $/; <$file> } =~ /^P6\s+(\d+)\s+(\d+)\s+\d+\s(.*)$/s;
    print "$width $height ", scalar(grep { $_ ne "\0\0\0" } unpack('(a3)*', $pixels)), "\n";
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

#!/usr/bin/perl
# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# Looks at and works Qt's VNC screen as a person would, for the framebuffer tests, through
# Debian's Net::VNC. Each call is one connection to the server on PORT of this machine.
#
#   vnc.pl PORT screen FILE             saves the screen, prints its WIDTHxHEIGHT
#   vnc.pl PORT pixel X Y               prints the colour at X,Y as "R G B"
#   vnc.pl PORT tab COUNT               presses Tab COUNT times
#   vnc.pl PORT tap X Y COUNT           taps X,Y with the stylus (left button) COUNT times
#   vnc.pl PORT press-red top|bottom FILE
#                                       saves the screen and taps the middle of its top- or
#                                       bottom-most red text (a write button); prints where
use strict;
use warnings;
use Net::VNC;
use Time::HiRes qw(sleep);

my ($port, $command, @arguments) = @ARGV;
local $SIG{ALRM} = sub { die "vnc.pl: no answer from the server on port $port\n" };
alarm 120;

my $vnc;
for (1 .. 600) {
    $vnc = Net::VNC->new({hostname => '127.0.0.1', port => $port});
    $vnc->depth(24); # 32-bit pixels, which Qt converts correctly; its 16-bit stream is not
    last if eval { $vnc->login; 1 };
    $vnc = undef;
    sleep 0.1;
}
die "vnc.pl: no VNC server on port $port\n" unless $vnc;

# The screen once it shows a picture: the first frame after login can still be black.
sub screen {
    for (1 .. 50) {
        my $image = $vnc->capture;
        for (my $y = 0; $y < $image->height; $y += 4) {
            for (my $x = 0; $x < $image->width; $x += 4) {
                my ($r, $g, $b) = $image->query_pixel($x, $y);
                return $image if $r + $g + $b;
            }
        }
        sleep 0.1;
    }
    die "vnc.pl: the screen stays black\n";
}

# The middles of the patches of red text, top to bottom.
sub red_texts {
    my ($image) = @_;
    my @patches;
    for my $y (0 .. $image->height - 1) {
        for my $x (0 .. $image->width - 1) {
            my ($r, $g, $b) = $image->query_pixel($x, $y);
            next unless $r >= 200 && $g <= 80 && $b <= 80;
            push @patches, [$x, $y, $x, $y] if !@patches || $y > $patches[-1][3] + 8;
            my $patch = $patches[-1];
            $patch->[0] = $x if $x < $patch->[0];
            $patch->[2] = $x if $x > $patch->[2];
            $patch->[3] = $y;
        }
    }
    return map { [int(($_->[0] + $_->[2]) / 2), int(($_->[1] + $_->[3]) / 2)] } @patches;
}

sub tap {
    my ($x, $y) = @_;
    $vnc->mouse_move_to($x, $y);
    $vnc->mouse_click;
}

if ($command eq 'screen') {
    screen()->save($arguments[0]);
    print $vnc->width, 'x', $vnc->height, "\n";
} elsif ($command eq 'pixel') {
    print join(' ', (screen()->query_pixel(@arguments))[0 .. 2]), "\n";
} elsif ($command eq 'tab') {
    $vnc->send_key_event(0xff09) for 1 .. $arguments[0];
} elsif ($command eq 'tap') {
    tap(@arguments[0, 1]) for 1 .. $arguments[2];
} elsif ($command eq 'press-red') {
    my ($which, $file) = @arguments;
    my $image = screen();
    $image->save($file);
    my @texts = red_texts($image);
    die "vnc.pl: no red text on the screen\n" unless @texts;
    my $text = $which eq 'top' ? $texts[0] : $texts[-1];
    tap(@$text);
    print "@$text\n";
} else {
    die "vnc.pl: unknown command '$command'\n";
}
# The server reads what a client sends in order: once it has answered a request sent after the
# last events, it has taken them. It may drop the connection at that request after keys, as Qt's
# server does, but then it has read them too.
eval { $vnc->capture } if $command =~ /^(tab|tap|press-red)$/;

// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// A minimal VNC (RFB 3.3) client for the framebuffer tests: saves the screen as an image once
// it shows a settled picture, and then clicks the left button where asked.
//
//   rfbclient PORT IMAGE [X Y]
//
// Prints the screen's "WIDTHxHEIGHT BITS-PER-PIXEL" and exits 0 once done; 1 when the server
// cannot be reached, breaks the protocol or shows no picture within 30 s.
#include <QImage>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace
{
using Clock = std::chrono::steady_clock;

class Connection
{
public:
    explicit Connection(int port)
    {
        const auto deadline = Clock::now() + std::chrono::seconds(30);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<uint16_t>(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        while (true) {
            fd = socket(AF_INET, SOCK_STREAM, 0);
            if (connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0)
                return;
            close(fd);
            if (Clock::now() > deadline)
                throw std::runtime_error("no VNC server on port " + std::to_string(port));
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
    ~Connection() { close(fd); }

    std::vector<uint8_t> read(size_t size)
    {
        std::vector<uint8_t> data(size);
        for (size_t done = 0; done < size;) {
            if (!readable(std::chrono::seconds(5)))
                throw std::runtime_error("the server stopped in the middle of a message");
            const ssize_t got = recv(fd, data.data() + done, size - done, 0);
            if (got <= 0)
                throw std::runtime_error("the server closed the connection");
            done += static_cast<size_t>(got);
        }
        return data;
    }
    unsigned read8() { return read(1)[0]; }
    unsigned read16()
    {
        const auto d = read(2);
        return d[0] << 8 | d[1];
    }
    uint32_t read32()
    {
        const auto d = read(4);
        return uint32_t(d[0]) << 24 | d[1] << 16 | d[2] << 8 | d[3];
    }
    bool readable(std::chrono::milliseconds wait)
    {
        pollfd entry{fd, POLLIN, 0};
        return poll(&entry, 1, int(wait.count())) > 0;
    }
    void write(const std::vector<uint8_t> &data)
    {
        if (send(fd, data.data(), data.size(), MSG_NOSIGNAL) != ssize_t(data.size()))
            throw std::runtime_error("cannot send to the server");
    }

private:
    int fd = -1;
};

uint8_t high(unsigned value)
{
    return uint8_t(value >> 8);
}
uint8_t low(unsigned value)
{
    return uint8_t(value);
}

class Viewer
{
public:
    explicit Viewer(int port) : server(port)
    {
        const auto version = server.read(12);
        if (std::string(version.begin(), version.begin() + 4) != "RFB ")
            throw std::runtime_error("not an RFB server");
        server.write({'R', 'F', 'B', ' ', '0', '0', '3', '.', '0', '0', '3', '\n'});
        if (const uint32_t security = server.read32(); security != 1)
            throw std::runtime_error("the server asks for security type " +
                                     std::to_string(security));
        server.write({1}); // shared
        width = int(server.read16());
        height = int(server.read16());
        const auto f = server.read(16);
        screenBits = f[0];
        server.read(server.read32()); // desktop name
        // Qt 6.4's server sends its own 16-bit pixels wrongly (more bytes than a rectangle
        // holds); it converts to 32-bit true colour right.
        server.write({0, 0, 0, 0, 32, 24, 0, 1, 0, 255, 0, 255, 0, 255, 16, 8, 0, 0, 0, 0});
        server.write({2, 0, 0, 1, 0, 0, 0, 0}); // encodings: raw only
        screen = QImage(width, height, QImage::Format_RGB32);
        screen.fill(Qt::black);
    }

    // Asks for the whole screen, then for its changes; true once an update arrived within
    // the time given, false when none did.
    bool update(std::chrono::milliseconds wait)
    {
        // One request at a time; the server answers it once something has changed.
        if (!outstanding)
            server.write({3, uint8_t(requested ? 1 : 0), 0, 0, 0, 0, high(width), low(width),
                          high(height), low(height)});
        requested = outstanding = true;
        if (!server.readable(wait))
            return false;
        outstanding = false;
        if (const unsigned type = server.read8(); type != 0)
            throw std::runtime_error("unexpected server message " + std::to_string(type));
        server.read(1);
        for (unsigned rectangles = server.read16(); rectangles > 0; --rectangles) {
            const int x = int(server.read16()), y = int(server.read16());
            const int w = int(server.read16()), h = int(server.read16());
            if (const uint32_t encoding = server.read32(); encoding != 0)
                throw std::runtime_error("unexpected encoding " + std::to_string(encoding));
            if (x + w > width || y + h > height)
                throw std::runtime_error("a rectangle beyond the screen");
            const auto pixels = server.read(size_t(w) * h * 4);
            for (int row = 0; row < h; ++row) {
                for (int column = 0; column < w; ++column) {
                    const uint8_t *p = &pixels[(size_t(row) * w + column) * 4];
                    screen.setPixel(x + column, y + row, qRgb(p[2], p[1], p[0]));
                }
            }
        }
        return true;
    }

    void click(int x, int y)
    {
        for (const uint8_t buttons : {0, 1, 0})
            server.write({5, buttons, high(x), low(x), high(y), low(y)});
    }

    int width = 0, height = 0, screenBits = 0;

    QImage screen;

private:
    Connection server;
    bool requested = false, outstanding = false;
};

bool uniform(const QImage &image)
{
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != first)
                return false;
    return true;
}
} // namespace

int main(int argc, char **argv)
{
    if (argc != 3 && argc != 5) {
        std::fprintf(stderr, "usage: %s PORT IMAGE [X Y]\n", argv[0]);
        return 2;
    }
    try {
        Viewer viewer(std::atoi(argv[1]));
        // Settled: a picture on the screen, then a second for it to finish.
        const auto deadline = Clock::now() + std::chrono::seconds(30);
        while (uniform(viewer.screen)) {
            viewer.update(std::chrono::seconds(1));
            if (Clock::now() > deadline)
                throw std::runtime_error("the screen shows no picture");
        }
        for (const auto end = Clock::now() + std::chrono::seconds(1); Clock::now() < end;)
            viewer.update(std::chrono::milliseconds(200));
        if (!viewer.screen.save(argv[2], "PNG"))
            throw std::runtime_error(std::string("cannot save ") + argv[2]);
        if (argc == 5) {
            viewer.click(std::atoi(argv[3]), std::atoi(argv[4]));
            viewer.update(std::chrono::seconds(1)); // the pressed button, once it is drawn
        }
        std::printf("%dx%d %d\n", viewer.width, viewer.height, viewer.screenBits);
        return 0;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "rfbclient: %s\n", error.what());
        return 1;
    }
}

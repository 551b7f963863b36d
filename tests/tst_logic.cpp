// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The widget-free pieces: binary texts, the hexadecimal scanner and the register-file lines.
#include "logic/clockmodel.h"
#include "logic/hexscan.h"

#include <QtTest>

#include <optional>
#include <string>

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(std::optional<std::uint32_t>)

class LogicTest : public QObject
{
    Q_OBJECT

private slots:
    void binaryText_data();
    void binaryText();
    void scanFirstHex_data();
    void scanFirstHex();
    void scanStopsAtTheFirstOtherCharacter();
    void packingRoundTrips_data();
    void packingRoundTrips();
};

void LogicTest::binaryText_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("width");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("16 in 4 drops the high bit") << 16 << 4 << QByteArray("0000");
    QTest::newRow("30 in 5") << 30 << 5 << QByteArray("11110");
    QTest::newRow("6 in 4") << 6 << 4 << QByteArray("0110");
    QTest::newRow("1 in 1") << 1 << 1 << QByteArray("1");
    QTest::newRow("0 in 5") << 0 << 5 << QByteArray("00000");
    QTest::newRow("31 in 5") << 31 << 5 << QByteArray("11111");
    QTest::newRow("width 0 is empty") << 5 << 0 << QByteArray("");
}

void LogicTest::binaryText()
{
    QFETCH(int, value);
    QFETCH(int, width);
    QFETCH(QByteArray, text);
    char buffer[readout_text_size];
    std::fill(std::begin(buffer), std::end(buffer), 'x');
    QCOMPARE(to_binary_text(value, width, buffer), buffer);
    QCOMPARE(QByteArray(buffer), text);
    QCOMPARE(buffer[width + 1], 'x'); // nothing written past the terminator
}

void LogicTest::scanFirstHex_data()
{
    using Result = std::optional<std::uint32_t>;
    QTest::addColumn<std::string>("text");
    QTest::addColumn<Result>("expected");

    QTest::newRow("empty") << std::string() << Result();
    QTest::newRow("blanks only") << std::string(" \t\n\v\f\r ") << Result();
    QTest::newRow("zz") << std::string("zz") << Result();
    QTest::newRow("x108") << std::string("x108") << Result();
    QTest::newRow("two signs") << std::string("--") << Result();
    QTest::newRow("sign then blank") << std::string("- 1") << Result();
    QTest::newRow("bare 0x takes the zero") << std::string("0x") << Result(0);
    QTest::newRow("0x1F") << std::string("0x1F") << Result(0x1F);
    QTest::newRow("0X prefix") << std::string("0X1f") << Result(0x1F);
    QTest::newRow("108") << std::string("108") << Result(0x108);
    QTest::newRow("blanks around") << std::string("  \t108\n") << Result(0x108);
    QTest::newRow("trailing text") << std::string("1a zz 77") << Result(0x1A);
    QTest::newRow("trailing letters past f") << std::string("abcg12") << Result(0xABC);
    QTest::newRow("lower case") << std::string("deadbeef") << Result(0xDEADBEEF);
    QTest::newRow("8 digits, all ones") << std::string("FFFFFFFF") << Result(0xFFFFFFFF);
    QTest::newRow("9 digits do not fit") << std::string("123456789") << Result();
    QTest::newRow("20 digits do not fit") << std::string("FFFFFFFFFFFFFFFFFFFF") << Result();
    QTest::newRow("20 digits with leading zeros fit")
        << std::string("00000000000000000001") << Result(1);
    QTest::newRow("too large after 0x") << std::string("0x100000000") << Result();
    QTest::newRow("NUL byte inside") << std::string("12\0"
                                                    "34",
                                                    5)
                                     << Result(0x12);
    QTest::newRow("NUL byte first") << std::string("\0"
                                                   "34",
                                                   3)
                                    << Result();
    QTest::newRow("1 MiB of blanks then a number")
        << std::string(1 << 20, ' ') + "2a" << Result(0x2A);
    QTest::newRow("1 MiB of zeros then a digit") << std::string(1 << 20, '0') + "7" << Result(7);
    QTest::newRow("1 MiB of digits does not fit") << std::string(1 << 20, '7') << Result();
    QTest::newRow("-1") << std::string("-1") << Result(0xFFFFFFFF);
    QTest::newRow("-0x10") << std::string("-0x10") << Result(0xFFFFFFF0);
    QTest::newRow("-FFFFFFFF wraps") << std::string("-FFFFFFFF") << Result(1);
    QTest::newRow("-100000000 does not fit") << std::string("-100000000") << Result();
    QTest::newRow("+7") << std::string("+7") << Result(7);
    QTest::newRow("0x0x5 stops at the second x") << std::string("0x0x5") << Result(0);
}

void LogicTest::scanFirstHex()
{
    QFETCH(std::string, text);
    QFETCH(std::optional<std::uint32_t>, expected);
    const auto scanned = scan_first_hex(std::string_view(text));
    QCOMPARE(scanned.has_value(), expected.has_value());
    if (expected)
        QCOMPARE(*scanned, *expected);
}

void LogicTest::scanStopsAtTheFirstOtherCharacter()
{
    const std::string text = "  1Fq-rest";
    std::size_t read = 0;
    const auto scanned = scan_first_hex([&]() -> int {
        return read < text.size() ? static_cast<unsigned char>(text[read++]) : EOF;
    });
    QCOMPARE(scanned, std::optional<std::uint32_t>(0x1F));
    QCOMPARE(read, std::size_t(5)); // "  1F" and the 'q' that ends the number
}

void LogicTest::packingRoundTrips_data()
{
    QTest::addColumn<std::uint32_t>("value");
    QTest::addColumn<std::uint32_t>("repacked");
    QTest::newRow("all ones keeps only the four fields") << 0xFFFFFFFFu << 0x0A00079Fu;
    QTest::newRow("realistic setting") << 0x02000210u << 0x02000210u;
    QTest::newRow("bits outside the fields") << 0xF5FFF860u << 0u;
    QTest::newRow("780 is 2N 15") << 0x780u << 0x780u;
}

void LogicTest::packingRoundTrips()
{
    QFETCH(std::uint32_t, value);
    QFETCH(std::uint32_t, repacked);
    QCOMPARE(pack_cccr(unpack_cccr(value)), repacked);
}

QTEST_MAIN(LogicTest)
#include "tst_logic.moc"

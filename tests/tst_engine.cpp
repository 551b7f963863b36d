// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The engine, without an application object: field packing, clocks, voltage, binary texts, the
// hexadecimal scanner and the register files.
#include "logic/clockmodel.h"
#include "logic/hexscan.h"
#include "logic/registerfiles.h"
#include "logic/voltage.h"

#include <QTemporaryDir>
#include <QtTest>

#include <optional>
#include <string>

namespace
{
// What the clocks of one setting of the four fields must be.
struct Clocks {
    int effectiveL;
    double turboRatio;
    double runMode, turboMode, memory, lcd;
    std::uint32_t packed;
};

QByteArray binary_text(int value, int width)
{
    char buffer[40];
    return to_binary_text(value, width, buffer);
}
} // namespace

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(std::optional<std::uint32_t>)
Q_DECLARE_METATYPE(CccrFields)
Q_DECLARE_METATYPE(Clocks)

class EngineTest : public QObject
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
    void clocks_data();
    void clocks();
    void voltage_data();
    void voltage();

    void scanRegisterFile_data();
    void scanRegisterFile();
    void writeRegisterFile_data();
    void writeRegisterFile();
    void writeRegisterFileCreatesNothing_data();
    void writeRegisterFileCreatesNothing();

private:
    QTemporaryDir m_dir;
};

void EngineTest::binaryText_data()
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

void EngineTest::binaryText()
{
    QFETCH(int, value);
    QFETCH(int, width);
    QFETCH(QByteArray, text);
    char buffer[40];
    std::fill(std::begin(buffer), std::end(buffer), 'x');
    QCOMPARE(to_binary_text(value, width, buffer), buffer);
    QCOMPARE(QByteArray(buffer), text);
    QCOMPARE(buffer[width + 1], 'x'); // nothing written past the terminator
}

void EngineTest::scanFirstHex_data()
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

void EngineTest::scanFirstHex()
{
    QFETCH(std::string, text);
    QFETCH(std::optional<std::uint32_t>, expected);
    const auto scanned = scan_first_hex(std::string_view(text));
    QCOMPARE(scanned.has_value(), expected.has_value());
    if (expected)
        QCOMPARE(*scanned, *expected);
}

void EngineTest::scanStopsAtTheFirstOtherCharacter()
{
    const std::string text = "  1Fq-rest";
    std::size_t read = 0;
    const auto scanned = scan_first_hex([&]() -> int {
        return read < text.size() ? static_cast<unsigned char>(text[read++]) : EOF;
    });
    QCOMPARE(scanned, std::optional<std::uint32_t>(0x1F));
    QCOMPARE(read, std::size_t(5)); // "  1F" and the 'q' that ends the number
}

void EngineTest::packingRoundTrips_data()
{
    QTest::addColumn<std::uint32_t>("value");
    QTest::addColumn<std::uint32_t>("repacked");
    QTest::newRow("all ones keeps only the four fields") << 0xFFFFFFFFu << 0x0A00079Fu;
    QTest::newRow("realistic setting") << 0x02000210u << 0x02000210u;
    QTest::newRow("bits outside the fields") << 0xF5FFF860u << 0u;
    QTest::newRow("780 is 2N 15") << 0x780u << 0x780u;
}

void EngineTest::packingRoundTrips()
{
    QFETCH(std::uint32_t, value);
    QFETCH(std::uint32_t, repacked);
    QCOMPARE(pack_cccr(unpack_cccr(value)), repacked);
}

void EngineTest::clocks_data()
{
    QTest::addColumn<CccrFields>("fields");
    QTest::addColumn<Clocks>("expected");
    const auto row = [](const char *name, CccrFields fields, Clocks clocks) {
        QTest::newRow(name) << fields << clocks;
    };
    // clang-format off
    // L, 2N, A, LCD; effective L, N, run, turbo, memory, LCD, the packed register
    row("all zero", {0, 0, 0, 0}, {2, 1, 26, 26, 26, 26, 0x00000000});
    row("L 0, LCD doubled", {0, 0, 0, 1}, {2, 1, 26, 26, 26, 52, 0x08000000});
    row("L 1 and 2N 1", {1, 1, 0, 0}, {2, 1, 26, 26, 26, 26, 0x00000081});
    row("L 2", {2, 0, 0, 0}, {2, 1, 26, 26, 26, 26, 0x00000002});
    row("2N 3 halves N", {16, 3, 0, 0}, {16, 1.5, 208, 312, 104, 104, 0x00000190});
    row("2N 5", {4, 5, 1, 0}, {4, 2.5, 52, 130, 52, 52, 0x02000284});
    row("M 1 up to L 10", {10, 0, 0, 0}, {10, 1, 130, 130, 130, 65, 0x0000000A});
    row("M 2 from L 11", {11, 0, 0, 0}, {11, 1, 143, 143, 71, 71, 0x0000000B});
    row("A 1 takes run mode at L 11", {11, 0, 1, 0}, {11, 1, 143, 143, 143, 71, 0x0200000B});
    row("M 2 up to L 20", {20, 2, 0, 0}, {20, 1, 260, 260, 130, 65, 0x00000114});
    row("M 4 from L 21", {21, 0, 0, 0}, {21, 1, 273, 273, 68, 68, 0x00000015});
    row("D 1 up to L 7", {7, 0, 0, 0}, {7, 1, 91, 91, 91, 91, 0x00000007});
    row("D 2 from L 8", {8, 2, 0, 0}, {8, 1, 104, 104, 104, 52, 0x00000108});
    row("doubling before division at L 9", {9, 0, 0, 1}, {9, 1, 117, 117, 117, 117, 0x08000009});
    row("D 2 up to L 16", {16, 0, 0, 0}, {16, 1, 208, 208, 104, 104, 0x00000010});
    row("D 4 from L 17", {17, 0, 0, 0}, {17, 1, 221, 221, 110, 55, 0x00000011});
    row("doubled LCD at L 17", {17, 0, 0, 1}, {17, 1, 221, 221, 110, 110, 0x08000011});
    row("L 16, 2N 3, LCD 1", {16, 3, 0, 1}, {16, 1.5, 208, 312, 104, 208, 0x08000190});
    row("L 30, 2N 6, A 0, LCD 0", {30, 6, 0, 0}, {30, 3, 390, 1170, 97, 97, 0x0000031E});
    row("all maximum", {30, 6, 1, 1}, {30, 3, 390, 1170, 390, 195, 0x0A00031E});
    // clang-format on
}

void EngineTest::clocks()
{
    QFETCH(CccrFields, fields);
    QFETCH(Clocks, expected);
    const ClockReadings clocks = compute_clocks(fields);
    QCOMPARE(clocks.effectiveL, expected.effectiveL);
    QCOMPARE(double(clocks.turboRatio), expected.turboRatio);
    QCOMPARE(double(clocks.systemBusMhz), expected.runMode);
    QCOMPARE(double(clocks.runModeMhz), expected.runMode);
    QCOMPARE(double(clocks.turboModeMhz), expected.turboMode);
    QCOMPARE(double(clocks.memoryMhz), expected.memory);
    QCOMPARE(double(clocks.lcdMhz), expected.lcd);
    QCOMPARE(clocks.packed, expected.packed);
}

void EngineTest::voltage_data()
{
    QTest::addColumn<int>("vcore");
    QTest::addColumn<QByteArray>("binary");
    QTest::addColumn<QByteArray>("volts");
    const char *volts[] = {"0.85", "0.9", "0.95", "1",   "1.05", "1.1", "1.15", "1.2",
                           "1.25", "1.3", "1.35", "1.4", "1.45", "1.5", "1.55", "1.6"};
    const char *binary[] = {"0000", "0001", "0010", "0011", "0100", "0101", "0110", "0111",
                            "1000", "1001", "1010", "1011", "1100", "1101", "1110", "1111"};
    for (int vcore = 0; vcore < 16; ++vcore)
        QTest::addRow("VCORE %d", vcore)
            << vcore << QByteArray(binary[vcore]) << QByteArray(volts[vcore]);
}

// The voltage is the single-precision value nearest the decimal.
void EngineTest::voltage()
{
    QFETCH(int, vcore);
    QFETCH(QByteArray, binary);
    QFETCH(QByteArray, volts);
    QCOMPARE(core_voltage(vcore), volts.toFloat());
    QCOMPARE(binary_text(vcore, 4), binary);
}

void EngineTest::scanRegisterFile_data()
{
    QTest::addColumn<QByteArray>("content");  // "<absent>" or "<directory>" for no readable file
    QTest::addColumn<std::uint32_t>("value"); // 0x5A5A5A5A: the value before, kept
    QTest::newRow("the first number, after blanks") << QByteArray(" \t 0x108\n2B") << 0x108u;
    QTest::newRow("FFFFFFFF") << QByteArray("FFFFFFFF") << 0xFFFFFFFFu;
    QTest::newRow("no number") << QByteArray("zz") << 0x5A5A5A5Au;
    QTest::newRow("an empty file") << QByteArray() << 0x5A5A5A5Au;
    QTest::newRow("more than 32 bits") << QByteArray("123456789") << 0x5A5A5A5Au;
    QTest::newRow("no file") << QByteArray("<absent>") << 0x5A5A5A5Au;
    QTest::newRow("a directory") << QByteArray("<directory>") << 0x5A5A5A5Au;
}

void EngineTest::scanRegisterFile()
{
    QFETCH(QByteArray, content);
    QFETCH(std::uint32_t, value);
    const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
    QFile file(path);
    if (content == "<directory>")
        QVERIFY(QDir().mkdir(path));
    else if (content != "<absent>")
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    file.close();
    std::uint32_t scanned = 0x5A5A5A5A;
    scan_register_file(qPrintable(path), scanned);
    QCOMPARE(scanned, value);
}

void EngineTest::writeRegisterFile_data()
{
    QTest::addColumn<bool>("cccr");
    QTest::addColumn<std::uint32_t>("value");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("CCCR L 8, 2N 2") << true << 0x108u << QByteArray("00000108\n");
    QTest::newRow("CCCR L 16, 2N 1, A 1") << true << 0x02000090u << QByteArray("02000090\n");
    QTest::newRow("CCCR all maximum") << true << 0x0A00031Eu << QByteArray("0A00031E\n");
    QTest::newRow("CCCR all zero") << true << 0u << QByteArray("00000000\n");
    QTest::newRow("VCORE 0") << false << 0u << QByteArray("00\n");
    QTest::newRow("VCORE 12") << false << 12u << QByteArray("0C\n");
    QTest::newRow("VCORE 15") << false << 15u << QByteArray("0F\n");
}

// The line replaces a longer text whole: nothing of the old text stays behind.
void EngineTest::writeRegisterFile()
{
    QFETCH(bool, cccr);
    QFETCH(std::uint32_t, value);
    QFETCH(QByteArray, bytes);
    QFile file(m_dir.filePath(QString::fromLatin1(QTest::currentDataTag())));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("0A, 1.35 V, and more than a line\n"));
    file.close();
    write_register_file(qPrintable(file.fileName()),
                        cccr ? cccr_file_text(value) : vcore_file_text(value));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
}

void EngineTest::writeRegisterFileCreatesNothing_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("no file") << QString();
    QTest::newRow("a directory") << QStringLiteral("directory");
    QTest::newRow("/dev/full, failing at close") << QStringLiteral("/dev/full");
}

void EngineTest::writeRegisterFileCreatesNothing()
{
    QFETCH(QString, obstacle);
    const QString path = m_dir.filePath(QStringLiteral("CCCR"));
    QDir(path).removeRecursively();
    QFile::remove(path);
    if (obstacle == QLatin1String("directory"))
        QVERIFY(QDir().mkdir(path));
    else if (!obstacle.isEmpty())
        QVERIFY(QFile::link(obstacle, path));
    const QStringList before = QDir(path).entryList() + QDir(m_dir.path()).entryList();
    write_register_file(qPrintable(path), cccr_file_text(0x108));
    QCOMPARE(QDir(path).entryList() + QDir(m_dir.path()).entryList(), before);
}

QTEST_APPLESS_MAIN(EngineTest)
#include "tst_engine.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/digits.h"
#include "support/exact.h"

#include "runtime/number_text.h"

#include <QTest>

#include <array>
#include <cfloat>
#include <limits>
#include <string>

using runtime::CalculationError;
using runtime::NumberLocale;
Q_DECLARE_METATYPE(runtime::NumberLocale)

namespace {

const NumberLocale english{".", ","};
const NumberLocale german{",", "."};
const NumberLocale french{",", "\u202F"};
const NumberLocale russian{",", "\u00A0"};
const NumberLocale swiss{".", "\u2019"};
const NumberLocale ungrouped{".", ""};
// One character for both: a comma is always the decimal separator.
const NumberLocale commaForBoth{",", ","};

// Arabic-Indic digits, Arabic separators, signs led by the Arabic letter mark.
const NumberLocale arabic{.decimalSeparator = "\u066B",
                          .groupSeparator = "\u066C",
                          .digits = DigitsFrom(U'\u0660'),
                          .minusSign = "\u061C-",
                          .plusSign = "\u061C+"};
// Extended Arabic-Indic digits, U+2212 minus led by a left-to-right mark.
const NumberLocale persian{.decimalSeparator = "\u066B",
                           .groupSeparator = "\u066C",
                           .digits = DigitsFrom(U'\u06F0'),
                           .minusSign = "\u200E\u2212",
                           .plusSign = "\u200E+"};
// The same digits, the sign between two left-to-right marks.
const NumberLocale kashmiri{.decimalSeparator = "\u066B",
                            .groupSeparator = "\u066C",
                            .digits = DigitsFrom(U'\u06F0'),
                            .minusSign = "\u200E-\u200E",
                            .plusSign = "\u200E+\u200E"};
const NumberLocale indian{.firstGroupSize = 3, .otherGroupSize = 2};
const NumberLocale marathi{
    .firstGroupSize = 3, .otherGroupSize = 2, .digits = DigitsFrom(U'\u0966')};
const NumberLocale swedish{
    .decimalSeparator = ",", .groupSeparator = "\u00A0", .minusSign = "\u2212"};
// Adlam digits lie outside the Basic Multilingual Plane.
const NumberLocale adlam{.groupSeparator = "\u2E41", .digits = DigitsFrom(U'\U0001E950')};

double toNumber(const QString &text, const NumberLocale &locale)
{
    return runtime::TextToNumber(text.toStdString(), locale);
}

} // namespace

class TestNumberText : public QObject {
    Q_OBJECT

private slots:
    void textToNumber_data();
    void textToNumber();
    void rejected_data();
    void rejected();
    void longTexts_data();
    void longTexts();
    void numberToText_data();
    void numberToText();
    void writtenNumbersReadBack_data();
    void writtenNumbersReadBack();
    void countToText();
    void nonFiniteHasNoText();
};

void TestNumberText::textToNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<NumberLocale>("locale");
    QTest::addColumn<double>("expected");

    QTest::newRow("en: integer") << "100" << english << 100.0;
    QTest::newRow("en: blanks around") << " \t 18  " << english << 18.0;
    QTest::newRow("en: leading plus") << "+5" << english << 5.0;
    QTest::newRow("en: leading minus") << "-5" << english << -5.0;
    QTest::newRow("en: minus zero") << "-0" << english << -0.0;
    QTest::newRow("en: leading zeros") << "007" << english << 7.0;
    QTest::newRow("en: fraction") << "0.18" << english << 0.18;
    QTest::newRow("en: no whole part") << ".5" << english << 0.5;
    QTest::newRow("en: trailing separator") << "5." << english << 5.0;
    QTest::newRow("en: grouped with fraction") << "1,000.5" << english << 1000.5;
    QTest::newRow("en: grouped negative") << "-1,234,567" << english << -1234567.0;
    QTest::newRow("en: exponent") << "1e3" << english << 1000.0;
    QTest::newRow("en: capital negative exponent") << "1E-2" << english << 0.01;
    QTest::newRow("en: signed exponent") << "2.5e+2" << english << 250.0;
    QTest::newRow("en: printed exponent form") << "1e+15" << english << 1e15;
    QTest::newRow("en: tie rounds to even") << "9007199254740993" << english << 9007199254740992.0;
    QTest::newRow("en: just below a midpoint") << "0.30000000000000001665" << english << 0.3;
    QTest::newRow("en: just above a midpoint")
        << "0.300000000000000016654" << english << 0.30000000000000004;
    QTest::newRow("en: largest double") << "1.7976931348623157e308" << english << DBL_MAX;
    QTest::newRow("en: subnormal") << "5e-324" << english << 4.9406564584124654e-324;
    QTest::newRow("en: underflow to zero") << "1e-400" << english << 0.0;
    QTest::newRow("en: underflow to minus zero") << "-1e-400" << english << -0.0;
    QTest::newRow("en: exponent beyond 64 bits, underflow")
        << "1e-9223372036854775808" << english << 0.0;
    QTest::newRow("de: decimal comma") << "0,18" << german << 0.18;
    QTest::newRow("de: grouped with fraction") << "1.000,5" << german << 1000.5;
    QTest::newRow("de: exponent") << "1,5e3" << german << 1500.0;
    QTest::newRow("fr: narrow no-break space groups") << "1\u202F000,5" << french << 1000.5;
    QTest::newRow("fr: plain space groups") << "12 345 678" << french << 12345678.0;
    QTest::newRow("fr: no-break space groups") << "1\u00A0000,5" << french << 1000.5;
    QTest::newRow("ru: no-break space groups") << "1\u00A0000,5" << russian << 1000.5;
    QTest::newRow("ru: plain space groups") << "1 000,5" << russian << 1000.5;
    QTest::newRow("ru: narrow no-break space groups") << "1\u202F000,5" << russian << 1000.5;
    QTest::newRow("ch: right single quote groups") << "1\u2019000.5" << swiss << 1000.5;
    QTest::newRow("ch: apostrophe groups") << "1'000'000" << swiss << 1000000.0;
    QTest::newRow("comma for both: one thousandth") << "1,000" << commaForBoth << 1.0;
    QTest::newRow("comma for both: fraction") << "12,5" << commaForBoth << 12.5;

    QTest::newRow("ar: own digits and separators")
        << "١٢\u066C٣٤٥\u066C٦٧٨\u066B٥" << arabic << 12345678.5;
    QTest::newRow("ar: minus led by the Arabic letter mark")
        << "\u061C-١٢\u066B٥" << arabic << -12.5;
    QTest::newRow("ar: plus led by the Arabic letter mark") << "\u061C+١٢" << arabic << 12.0;
    QTest::newRow("ar: ASCII minus typed") << "-١٢\u066B٥" << arabic << -12.5;
    QTest::newRow("ar: ASCII digits typed") << "1000" << arabic << 1000.0;
    QTest::newRow("ar: ASCII digits typed with own separator") << "12\u066B5" << arabic << 12.5;
    QTest::newRow("ar: exponent in own digits and sign")
        << "١\u066B٥e\u061C-٠٥" << arabic << 1.5e-5;
    QTest::newRow("fa: own digits") << "۲۵۰\u066C۰۰۰\u066B۷۵" << persian << 250000.75;
    QTest::newRow("fa: U+2212 minus led by a left-to-right mark")
        << "\u200E\u2212۰\u066B۱۸" << persian << -0.18;
    QTest::newRow("fa: U+2212 minus without its mark") << "\u2212۱۲" << persian << -12.0;
    QTest::newRow("ks: minus between left-to-right marks")
        << "\u200E-\u200E۱\u066C۲۳۴\u066B۵" << kashmiri << -1234.5;
    QTest::newRow("sv: U+2212 minus") << "\u221212,5" << swedish << -12.5;
    QTest::newRow("sv: ASCII minus typed") << "-12,5" << swedish << -12.5;
    QTest::newRow("in: lakh and crore groups") << "1,23,45,678.5" << indian << 12345678.5;
    QTest::newRow("in: one group") << "12,345" << indian << 12345.0;
    QTest::newRow("in: groups of three typed") << "12,345,678.5" << indian << 12345678.5;
    QTest::newRow("mr: Devanagari digits in lakh groups") << "१२,३४,५६७.५" << marathi << 1234567.5;
    QTest::newRow("ff: Adlam digits, beyond the BMP")
        << "𞥑\u2E41𞥒𞥓𞥔\u2E41𞥕𞥖𞥗.𞥕" << adlam << 1234567.5;
}

void TestNumberText::textToNumber()
{
    QFETCH(QString, text);
    QFETCH(NumberLocale, locale);
    QFETCH(double, expected);
    double value = 0.0;
    QVERIFY_THROWS_NO_EXCEPTION(value = toNumber(text, locale));
    QCOMPARE_EXACT(value, expected);
}

void TestNumberText::rejected_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<NumberLocale>("locale");
    QTest::addColumn<CalculationError::Cause>("cause");

    const char *const englishRejects[] = {
        "",        "   ",      "abc",          "12abc",        "1 2",        "1.2.3",
        "+-5",     "--5",      "- 5",          "5-",           ".",          "-",
        "+",       "e5",       "1e",           "1e+",          "1e2.5",      "$100",
        "inf",     "-inf",     "nan",          "infinity",     "0x10",       "1,00",
        "1,0000",  "1000,000", ",100",         "1,,000",       "1,000,",     "0,001",
        "000,000", "1.000,5",  "\u0661\u0662", "\uFF11\uFF12", "1\u00A0000", "1'000"};
    for (const char *text : englishRejects)
        QTest::addRow("en: \"%s\"", text)
            << QString::fromUtf8(text) << english << CalculationError::Cause::NotANumber;

    QTest::newRow("de: decimal point") << "0.18" << german << CalculationError::Cause::NotANumber;
    QTest::newRow("de: english grouping")
        << "1,000.5" << german << CalculationError::Cause::NotANumber;
    QTest::newRow("ungrouped: group separator")
        << "1,000" << ungrouped << CalculationError::Cause::NotANumber;
    QTest::newRow("fr: space not between threes")
        << "1 00" << french << CalculationError::Cause::NotANumber;
    QTest::newRow("comma for both: two separators")
        << "1,000,000" << commaForBoth << CalculationError::Cause::NotANumber;

    const struct {
        const char *name;
        const char *text;
        const NumberLocale &locale;
    } notationRejects[] = {
        {"ar: ASCII and own digits mixed", "1٢", arabic},
        {"ar: ASCII digit in an own-digit fraction", "١\u066B5", arabic},
        {"ar: own digits with an ASCII exponent", "١e5", arabic},
        {"ar: mark without a sign", "\u061C١٢", arabic},
        {"ar: two marks before the sign", "\u061C\u061C-١٢", arabic},
        {"ar: sign after the number", "١٢\u061C-", arabic},
        {"ar: two signs", "\u061C-\u061C-١٢", arabic},
        {"ar: mark between digits", "١\u061C٢", arabic},
        {"ar: group not between threes", "١\u066C٢٣", arabic},
        {"ar: Western decimal point", "١٢.٥", arabic},
        {"fa: Arabic-Indic digits are another system", "١٢", persian},
        {"en: U+2212 minus is not the locale's", "\u22125", english},
        {"in: lakh group of three", "1,234,56,789", indian},
        {"in: last group of two", "1,23,45", indian},
        {"in: lead longer than the other groups", "123,45,678", indian},
        {"in: grouped 0 lead", "0,12,345", indian},
        {"mr: Devanagari and ASCII digits mixed", "१2", marathi},
    };
    for (const auto &reject : notationRejects)
        QTest::newRow(reject.name) << QString::fromUtf8(reject.text) << reject.locale
                                   << CalculationError::Cause::NotANumber;

    QTest::newRow("en: too large") << "1e999" << english << CalculationError::Cause::Overflow;
    QTest::newRow("en: too large, negative")
        << "-1e999" << english << CalculationError::Cause::Overflow;
    QTest::newRow("en: just above the largest double")
        << "1.7976931348623159e308" << english << CalculationError::Cause::Overflow;
    QTest::newRow("en: exponent beyond 64 bits")
        << "1e9223372036854775808" << english << CalculationError::Cause::Overflow;
}

void TestNumberText::rejected()
{
    QFETCH(QString, text);
    QFETCH(NumberLocale, locale);
    QFETCH(CalculationError::Cause, cause);
    QCOMPARE(errorCause([&] { toNumber(text, locale); }), cause);
}

void TestNumberText::longTexts_data()
{
    QTest::addColumn<std::string>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("expected");

    constexpr std::size_t megabyte = 1 << 20;
    const std::string ones(megabyte, '1');
    QTest::newRow("a megabyte of digits overflows") << ones << false << 0.0;
    QTest::newRow("a megabyte of digits scaled down")
        << ones + "e-1048566" << true << 1111111111.1111112;
    QTest::newRow("a megabyte of fraction digits") << "0." + ones << true << 1.0 / 9.0;
    QTest::newRow("a megabyte of leading zeros")
        << "0." + std::string(megabyte, '0') + "1" << true << 0.0;
    QTest::newRow("a megabyte of exponent digits")
        << "1e" + std::string(megabyte, '0') + "5" << true << 1e5;
    QTest::newRow("a megabyte of blanks") << std::string(megabyte, ' ') + "5" << true << 5.0;
    std::string groups = "1";
    for (std::size_t i = 0; i < megabyte / 4; ++i)
        groups += ",000";
    QTest::newRow("a megabyte of groups overflows") << groups << false << 0.0;
    QTest::newRow("a megabyte of letters") << std::string(megabyte, 'x') << false << 0.0;
}

void TestNumberText::longTexts()
{
    QFETCH(std::string, text);
    QFETCH(bool, valid);
    QFETCH(double, expected);
    if (valid) {
        double value = 0.0;
        QVERIFY_THROWS_NO_EXCEPTION(value = runtime::TextToNumber(text, english));
        QCOMPARE_EXACT(value, expected);
    }
    else
        QVERIFY_THROWS_EXCEPTION(CalculationError, runtime::TextToNumber(text, english));
}

void TestNumberText::numberToText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<NumberLocale>("locale");
    QTest::addColumn<QString>("expected");

    QTest::newRow("15 significant digits") << 5.362261819286456 << english << "5.36226181928646";
    QTest::newRow("rounds the 16th digit") << 2.0 / 3.0 << english << "0.666666666666667";
    QTest::newRow("trailing zeros dropped") << 0.1 + 0.2 << english << "0.3";
    QTest::newRow("whole number has no separator") << 601.0 << english << "601";
    QTest::newRow("zero") << 0.0 << english << "0";
    QTest::newRow("minus zero prints as zero") << -0.0 << english << "0";
    QTest::newRow("negative") << -2.5 << english << "-2.5";
    QTest::newRow("no grouping") << 1234567.0 << english << "1234567";
    QTest::newRow("decimal comma") << 0.5 << german << "0,5";
    QTest::newRow("largest without exponent") << 999999999999999.0 << english << "999999999999999";
    QTest::newRow("exponent from 1e15") << 1e15 << english << "1e+15";
    QTest::newRow("exponent after rounding up") << 999999999999999.5 << english << "1e+15";
    QTest::newRow("smallest without exponent") << 0.0001 << english << "0.0001";
    QTest::newRow("exponent below 1e-4") << 0.000015 << german << "1,5e-05";
    QTest::newRow("largest double") << DBL_MAX << english << "1.79769313486232e+308";
    QTest::newRow("ar: own digits and separator")
        << 5.362261819286456 << arabic << "٥\u066B٣٦٢٢٦١٨١٩٢٨٦٤٦";
    QTest::newRow("ar: zero") << 0.0 << arabic << "٠";
    QTest::newRow("ar: own minus sign") << -2.5 << arabic << "\u061C-٢\u066B٥";
    QTest::newRow("ar: exponent in own digits and signs")
        << 1.5e15 << arabic << "١\u066B٥e\u061C+١٥";
    QTest::newRow("fa: own minus sign")
        << -0.000015 << persian << "\u200E\u2212۱\u066B۵e\u200E\u2212۰۵";
    QTest::newRow("mr: Devanagari digits") << 1234567.5 << marathi << "१२३४५६७.५";
    QTest::newRow("ff: Adlam digits") << 12.5 << adlam << "𞥑𞥒.𞥕";
    QTest::newRow("sv: ASCII digits keep the ASCII minus") << -2.5 << swedish << "-2,5";
}

void TestNumberText::numberToText()
{
    QFETCH(double, value);
    QFETCH(NumberLocale, locale);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(runtime::NumberToText(value, locale)), expected);
}

void TestNumberText::writtenNumbersReadBack_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<NumberLocale>("locale");
    QTest::addColumn<double>("readBack"); // ignored where reading overflows
    QTest::addColumn<bool>("overflows");

    QTest::newRow("16th digit rounded off") << 2.0 / 3.0 << english << 0.666666666666667 << false;
    QTest::newRow("German, exponent form") << -0.000015 << german << -1.5e-5 << false;
    QTest::newRow("smallest subnormal")
        << 4.9406564584124654e-324 << english << 4.9406564584124654e-324 << false;
    // Found by the fuzzer: 15 digits of the largest double round up beyond
    // it, to a text that no double holds.
    QTest::newRow("largest double: its text overflows") << -DBL_MAX << german << 0.0 << true;
}

void TestNumberText::writtenNumbersReadBack()
{
    QFETCH(double, value);
    QFETCH(NumberLocale, locale);
    QFETCH(double, readBack);
    QFETCH(bool, overflows);
    const std::string text = runtime::NumberToText(value, locale);
    if (overflows) {
        QCOMPARE(errorCause([&] { runtime::TextToNumber(text, locale); }),
                 CalculationError::Cause::Overflow);
    }
    else {
        double back = 0.0;
        QVERIFY_THROWS_NO_EXCEPTION(back = runtime::TextToNumber(text, locale));
        QCOMPARE_EXACT(back, readBack);
    }
}

void TestNumberText::countToText()
{
    QCOMPARE(runtime::NumberToText(std::int16_t{601}), "601");
    QCOMPARE(runtime::NumberToText(std::int16_t{0}), "0");
    QCOMPARE(runtime::NumberToText(std::int16_t{11}), "11");
    QCOMPARE(runtime::NumberToText(std::int16_t{601}, german), "601");
    QCOMPARE(runtime::NumberToText(std::int16_t{601}, arabic), "٦٠١");
    QCOMPARE(runtime::NumberToText(std::int16_t{11}, marathi), "११");
    QCOMPARE(runtime::NumberToText(std::int16_t{-1}, persian), "\u200E\u2212۱");
}

void TestNumberText::nonFiniteHasNoText()
{
    QVERIFY_THROWS_EXCEPTION(
        CalculationError, runtime::NumberToText(std::numeric_limits<double>::infinity(), english));
    QVERIFY_THROWS_EXCEPTION(
        CalculationError, runtime::NumberToText(std::numeric_limits<double>::quiet_NaN(), english));
}

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"

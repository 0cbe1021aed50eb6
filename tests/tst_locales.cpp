// SPDX-License-Identifier: GPL-3.0-or-later
// Every locale Qt knows: the notation the window derives from it, the numbers
// that locale writes read back, and the program's results written in it.
#include "support/digits.h"
#include "support/exact.h"

#include "calc/payoff_computation.h"
#include "runtime/number_text.h"
#include "runtime/qt/system_locale.h"

#include <QLocale>
#include <QSet>
#include <QTest>

#include <optional>
#include <string>

using runtime::NumberLocale;
Q_DECLARE_METATYPE(runtime::NumberLocale)

namespace {

std::optional<double> read(const QString &text, const NumberLocale &notation)
{
    try {
        return runtime::TextToNumber(text.toStdString(), notation);
    }
    catch (const runtime::CalculationError &) {
        return std::nullopt;
    }
}

QString fromStd(const std::string &text)
{
    return QString::fromStdString(text);
}

QString described(const NumberLocale &notation)
{
    QString digits;
    for (const std::string &digit : notation.digits)
        digits += fromStd(digit);
    return QStringLiteral("decimal [%1] group [%2] sizes %3/%4 digits [%5] minus [%6] plus [%7]")
        .arg(fromStd(notation.decimalSeparator), fromStd(notation.groupSeparator))
        .arg(notation.firstGroupSize)
        .arg(notation.otherGroupSize)
        .arg(digits, fromStd(notation.minusSign), fromStd(notation.plusSign));
}

// Qt 6.4 applies a locale's minimum grouping digits to every group it
// places, not only to whether a number is grouped at all.  So where that
// minimum is 2 (Bulgarian, Polish, Spanish, Portuguese, ...) it writes
// 1234567 as "1234 567", and where it is 3 (Ewe) 12345678 as "12345,678",
// though people there write "1 234 567" and "12,345,678".  The reader follows
// the people, so such a text is refused like any misplaced group: true when
// the digits before the first group separator outnumber the locale's groups.
bool qtLengthenedLeadingGroup(const QString &text, const QLocale &locale,
                              const NumberLocale &notation)
{
    const qsizetype separator = text.indexOf(locale.groupSeparator());
    if (separator < 0)
        return false;
    std::size_t digits = 0;
    for (const char32_t c : text.left(separator).toUcs4())
        digits += QChar::isDigit(c) ? 1 : 0;
    return digits > notation.otherGroupSize;
}

void addEveryLocale()
{
    QTest::addColumn<QLocale>("locale");
    QSet<QString> names;
    for (const QLocale &locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                          QLocale::AnyTerritory)) {
        QString name = locale.name();
        // Some names stand for two scripts (hi_IN in Devanagari and in Latin).
        if (names.contains(name))
            name += QLatin1Char('/') + QLocale::scriptToCode(locale.script());
        names.insert(name);
        QTest::newRow(qPrintable(name)) << locale;
    }
}

} // namespace

class TestLocales : public QObject {
    Q_OBJECT

private slots:
    void notationOf_data();
    void notationOf();
    void ownNumbersReadBack_data() { addEveryLocale(); }
    void ownNumbersReadBack();
    void resultsInOwnNotation_data() { addEveryLocale(); }
    void resultsInOwnNotation();
    void leadingGroupAsPeopleWriteIt_data();
    void leadingGroupAsPeopleWriteIt();
};

void TestLocales::notationOf_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<NumberLocale>("expected");

    QTest::newRow("en_US: the ASCII default") << QLocale("en_US") << NumberLocale{};
    QTest::newRow("C: grouped in threes, though it omits groups") << QLocale::c() << NumberLocale{};
    QTest::newRow("de_DE: separators swapped") << QLocale("de_DE") << NumberLocale{",", "."};
    QTest::newRow("hi_IN: Indian grouping")
        << QLocale("hi_IN") << NumberLocale{.firstGroupSize = 3, .otherGroupSize = 2};
    QTest::newRow("ar_EG: Arabic-Indic digits, marked signs")
        << QLocale("ar_EG")
        << NumberLocale{"\u066B", "\u066C", 3, 3, DigitsFrom(U'\u0660'), "\u061C-", "\u061C+"};
    QTest::newRow("fa_IR: Persian digits, marked U+2212 minus")
        << QLocale("fa_IR")
        << NumberLocale{"\u066B", "\u066C", 3, 3, DigitsFrom(U'\u06F0'), "\u200E\u2212", "\u200E+"};
    QTest::newRow("mr_IN: Devanagari digits, Indian grouping")
        << QLocale("mr_IN") << NumberLocale{".", ",", 3, 2, DigitsFrom(U'\u0966')};
    QTest::newRow("sv_SE: U+2212 minus")
        << QLocale("sv_SE")
        << NumberLocale{.decimalSeparator = ",", .groupSeparator = "\u00A0", .minusSign = "\u2212"};
    QTest::newRow("ff_Adlm_GN: digits beyond the BMP")
        << QLocale(QLocale::Fulah, QLocale::AdlamScript, QLocale::Guinea)
        << NumberLocale{.groupSeparator = "\u2E41", .digits = DigitsFrom(U'\U0001E950')};
    QTest::newRow("ee_GH: groups of three, whatever Qt writes")
        << QLocale("ee_GH") << NumberLocale{};
}

void TestLocales::notationOf()
{
    QFETCH(QLocale, locale);
    QFETCH(NumberLocale, expected);
    QCOMPARE(described(runtime::NumberLocaleOf(locale)), described(expected));
}

void TestLocales::ownNumbersReadBack()
{
    QFETCH(QLocale, locale);
    const NumberLocale notation = runtime::NumberLocaleOf(locale);
    const double values[] = {12345678.5, 1234567.0, 250000.75, 1234.5, 0.18, -12.5, -1234567.25};
    for (const auto options : {QLocale::DefaultNumberOptions, QLocale::OmitGroupSeparator}) {
        QLocale writer = locale;
        writer.setNumberOptions(options);
        for (const double value : values) {
            const QString text = writer.toString(value, 'f', QLocale::FloatingPointShortest);
            const std::optional<double> number = read(text, notation);
            if (qtLengthenedLeadingGroup(text, locale, notation)) {
                QVERIFY2(!number, qPrintable(text + " has a misplaced group, yet reads"));
                continue;
            }
            QVERIFY2(number, qPrintable(text + " does not read in " + described(notation)));
            QCOMPARE_EXACT(*number, value);
        }
    }
}

void TestLocales::resultsInOwnNotation()
{
    QFETCH(QLocale, locale);
    const NumberLocale notation = runtime::NumberLocaleOf(locale);
    const calc::PayoffTexts texts =
        calc::ComputePayoff(locale.toString(100).toStdString(), locale.toString(12).toStdString(),
                            locale.toString(1000).toStdString(), calc::FixedKind, notation);

    // The locale's own digits throughout, as Qt writes the same numbers.
    const double average = 5.36226181928646;
    QCOMPARE(fromStd(texts.interest),
             "$" + locale.toString(average, 'f', QLocale::FloatingPointShortest));
    QCOMPARE(fromStd(texts.months), locale.toString(11));
    QCOMPARE_EXACT(read(fromStd(texts.interest).mid(1), notation).value_or(0.0), average);
    QCOMPARE_EXACT(read(fromStd(texts.months), notation).value_or(0.0), 11.0);

    // Every form the program writes, signs and exponents too, reads back.
    const runtime::NumberLocale english;
    for (const double value : {-12.5, 1.0 / 3.0, 1.5e-5, -2.5e15, -1e300}) {
        const std::string text = runtime::NumberToText(value, notation);
        const double printed =
            runtime::TextToNumber(runtime::NumberToText(value, english), english);
        QCOMPARE_EXACT(read(fromStd(text), notation).value_or(0.0), printed);
    }
}

void TestLocales::leadingGroupAsPeopleWriteIt_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("asPeopleWriteIt");
    QTest::addColumn<QString>("asQtWritesIt");
    QTest::addColumn<double>("value");

    QTest::newRow("bg_BG") << QLocale("bg_BG") << "1\u00A0234\u00A0567"
                           << "1234\u00A0567" << 1234567.0;
    QTest::newRow("pl_PL") << QLocale("pl_PL") << "1\u00A0234\u00A0567,5"
                           << "1234\u00A0567,5" << 1234567.5;
    QTest::newRow("es_ES") << QLocale("es_ES") << "1.234.567"
                           << "1234.567" << 1234567.0;
    QTest::newRow("ee_GH") << QLocale("ee_GH") << "12,345,678.5"
                           << "12345,678.5" << 12345678.5;
    QTest::newRow("ee_TG") << QLocale("ee_TG") << "1,234,567"
                           << "1234,567" << 1234567.0;
}

void TestLocales::leadingGroupAsPeopleWriteIt()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, asPeopleWriteIt);
    QFETCH(QString, asQtWritesIt);
    QFETCH(double, value);
    const NumberLocale notation = runtime::NumberLocaleOf(locale);
    QCOMPARE_EXACT(read(asPeopleWriteIt, notation).value_or(0.0), value);
    QVERIFY(!read(asQtWritesIt, notation));
    QVERIFY(qtLengthenedLeadingGroup(asQtWritesIt, locale, notation));
}

QTEST_APPLESS_MAIN(TestLocales)
#include "tst_locales.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/number_text.h"

#include "runtime/calculation_error.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>
#include <utility>

namespace runtime {
namespace {

constexpr std::string_view noBreakSpace = "\u00A0";
constexpr std::string_view narrowNoBreakSpace = "\u202F";
constexpr std::string_view rightSingleQuote = "\u2019";

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Marks that set the direction of the sign next to them in right-to-left
// text: left-to-right mark, right-to-left mark, Arabic letter mark.
constexpr std::array<std::string_view, 3> bidiMarks = {"\u200E", "\u200F", "\u061C"};

const std::array<std::string, 10> &asciiDigits()
{
    static const std::array<std::string, 10> digits = NumberLocale{}.digits;
    return digits;
}

bool hasOwnDigits(const NumberLocale &locale)
{
    return locale.digits != asciiDigits();
}

std::size_t bidiMarkAt(std::string_view text)
{
    for (const std::string_view mark : bidiMarks) {
        if (text.starts_with(mark))
            return mark.size();
    }
    return 0;
}

// The sign character of a locale's sign, without the marks around it.
std::string_view signCharacter(std::string_view sign)
{
    while (const std::size_t mark = bidiMarkAt(sign))
        sign.remove_prefix(mark);
    for (bool stripped = true; stripped;) {
        stripped = false;
        for (const std::string_view mark : bidiMarks) {
            if (sign.ends_with(mark)) {
                sign.remove_suffix(mark.size());
                stripped = true;
            }
        }
    }
    return sign;
}

// The group separators accepted for a locale's own: the one it prints and
// those a person types in its place, which keyboards make easier.
class GroupSeparators {
public:
    explicit GroupSeparators(const NumberLocale &locale)
    {
        const std::string_view own = locale.groupSeparator;
        const std::string_view decimal = locale.decimalSeparator;
        if (own.empty() || locale.firstGroupSize == 0 || locale.otherGroupSize == 0)
            return;
        accepted_[0] = own;
        if (own == noBreakSpace)
            accepted_ = {own, " ", narrowNoBreakSpace};
        else if (own == narrowNoBreakSpace)
            accepted_ = {own, " ", noBreakSpace};
        else if (own == rightSingleQuote)
            accepted_ = {own, "'", {}};
        // Where the decimal separator is one of them, it always means the decimal.
        for (std::string_view &separator : accepted_) {
            if (separator == decimal)
                separator = {};
        }
    }

    const std::array<std::string_view, 3> &accepted() const { return accepted_; }

private:
    std::array<std::string_view, 3> accepted_{};
};

[[noreturn]] void notANumber()
{
    throw CalculationError(CalculationError::Cause::NotANumber);
}

// The group lengths of a grouped whole part, checked as they come against
// the locale's own sizes (India's 12,34,567) and against plain thousands
// (1,234,567), which people type everywhere.
class GroupPattern {
public:
    GroupPattern(std::size_t lead, const NumberLocale &locale)
        : first_(locale.firstGroupSize), other_(locale.otherGroupSize), ownFits_(lead <= other_),
          thousandsFit_(lead <= 3)
    {
    }

    void add(std::size_t group)
    {
        // The group before this one was not the last, so it had the other size.
        if (groups_ > 0)
            ownFits_ = ownFits_ && last_ == other_;
        thousandsFit_ = thousandsFit_ && group == 3;
        last_ = group;
        ++groups_;
    }

    bool fits() const { return groups_ > 0 && ((ownFits_ && last_ == first_) || thousandsFit_); }

private:
    std::size_t first_;
    std::size_t other_;
    std::size_t last_ = 0;
    std::size_t groups_ = 0;
    bool ownFits_;
    bool thousandsFit_;
};

// The text with the locale's digits and signs replaced by ASCII ones, in one
// pass; separators and anything else are copied unchanged for the grammar to
// judge.  A text with both ASCII and the locale's own digits is no number.
std::string withAsciiDigitsAndSigns(std::string_view text, const NumberLocale &locale)
{
    const bool ownDigits = hasOwnDigits(locale);
    const std::string_view minus = signCharacter(locale.minusSign);
    const std::string_view plus = signCharacter(locale.plusSign);
    const auto signAt = [&](std::string_view rest) -> std::pair<char, std::size_t> {
        if (rest.starts_with('-'))
            return {'-', 1};
        if (rest.starts_with('+'))
            return {'+', 1};
        if (!minus.empty() && rest.starts_with(minus))
            return {'-', minus.size()};
        if (!plus.empty() && rest.starts_with(plus))
            return {'+', plus.size()};
        return {'\0', 0};
    };

    // The bytes that may open a digit or sign to map; the rest is copied a
    // run at a time.
    std::array<bool, 256> mayMap{};
    std::fill(mayMap.begin() + 0x80, mayMap.end(), true);
    for (const std::string_view sign :
         {std::string_view("-+"), minus.substr(0, 1), plus.substr(0, 1)}) {
        for (const char c : sign)
            mayMap[static_cast<unsigned char>(c)] = true;
    }

    std::string ascii;
    ascii.reserve(text.size());
    bool asciiDigitSeen = false;
    bool ownDigitSeen = false;
    std::size_t position = 0;
    while (position < text.size()) {
        std::size_t runEnd = position;
        while (runEnd < text.size() && !mayMap[static_cast<unsigned char>(text[runEnd])])
            ++runEnd;
        if (runEnd > position) {
            const std::string_view run = text.substr(position, runEnd - position);
            if (ownDigits && !asciiDigitSeen)
                asciiDigitSeen = std::any_of(run.begin(), run.end(), isDigit);
            ascii.append(run);
            position = runEnd;
            continue;
        }
        const std::string_view rest = text.substr(position);
        if (ownDigits) {
            const auto &digits = locale.digits;
            const auto digit =
                std::find_if(digits.begin(), digits.end(), [&](const std::string &d) {
                    return !d.empty() && rest.starts_with(d);
                });
            if (digit != digits.end()) {
                ownDigitSeen = true;
                ascii += static_cast<char>('0' + (digit - digits.begin()));
                position += digit->size();
                continue;
            }
        }
        const std::size_t markBefore = bidiMarkAt(rest);
        const auto [sign, signSize] = signAt(rest.substr(markBefore));
        if (signSize > 0) {
            ascii += sign;
            position += markBefore + signSize;
            position += bidiMarkAt(text.substr(position));
            continue;
        }
        ascii += rest.front();
        ++position;
    }
    if (asciiDigitSeen && ownDigitSeen)
        notANumber();
    return ascii;
}

// The ASCII number text of the formatting below in the locale's notation.
std::string inNotation(std::string_view ascii, const NumberLocale &locale)
{
    const bool ownDigits = hasOwnDigits(locale);
    std::string text;
    text.reserve(ascii.size() * 4);
    for (const char c : ascii) {
        if (isDigit(c))
            text += ownDigits ? std::string_view(locale.digits[static_cast<std::size_t>(c - '0')])
                              : std::string_view(&c, 1);
        else if (c == '.')
            text += locale.decimalSeparator;
        else if (c == '-' && ownDigits)
            text += locale.minusSign;
        else if (c == '+' && ownDigits)
            text += locale.plusSign;
        else
            text += c;
    }
    return text;
}

std::string_view trimmed(std::string_view text)
{
    const auto first = std::find_if_not(text.begin(), text.end(), isBlank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), isBlank).base();
    return first < last ? std::string_view(first, last) : std::string_view();
}

// Reads a text left to right; every step moves forward, so a scan is linear.
class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    bool atEnd() const { return position_ == text_.size(); }

    bool take(char c)
    {
        if (atEnd() || text_[position_] != c)
            return false;
        ++position_;
        return true;
    }

    bool take(std::string_view token)
    {
        if (token.empty() || !text_.substr(position_).starts_with(token))
            return false;
        position_ += token.size();
        return true;
    }

    std::string_view digits()
    {
        const std::size_t start = position_;
        while (!atEnd() && isDigit(text_[position_]))
            ++position_;
        return text_.substr(start, position_ - start);
    }

private:
    std::string_view text_;
    std::size_t position_ = 0;
};

// The number rewritten for std::from_chars ("-1234.5e-3"), with what is needed
// to tell an overflow from an underflow when from_chars finds it out of range.
class CanonicalNumber {
public:
    explicit CanonicalNumber(std::size_t capacity) { text_.reserve(capacity + 2); }

    void appendSign() { text_ += '-'; }
    void appendPoint()
    {
        text_ += '.';
        inWholePart_ = false;
    }
    void appendExponentMark() { text_ += 'e'; }
    void appendExponentSign(bool negative)
    {
        if (negative)
            text_ += '-';
        negativeExponent_ = negative;
    }

    void appendMantissaDigits(std::string_view digits)
    {
        for (const char digit : digits) {
            if (firstNonZero_ < 0 && digit != '0')
                firstNonZero_ = mantissaDigits_;
            ++mantissaDigits_;
            if (inWholePart_)
                ++wholeDigits_;
        }
        text_ += digits;
    }

    void appendExponentDigits(std::string_view digits)
    {
        constexpr long long saturation = 1'000'000'000;
        for (const char digit : digits)
            exponent_ = std::min(saturation, exponent_ * 10 + (digit - '0'));
        text_ += digits;
    }

    bool hasMantissaDigits() const { return mantissaDigits_ > 0; }
    const std::string &text() const { return text_; }

    // True when the value is at least 1 in magnitude; meaningful only for a
    // number with a non-zero digit.
    bool magnitudeAtLeastOne() const
    {
        const long long exponent = negativeExponent_ ? -exponent_ : exponent_;
        return wholeDigits_ - 1 - firstNonZero_ + exponent >= 0;
    }

private:
    std::string text_;
    long long mantissaDigits_ = 0;
    long long wholeDigits_ = 0;
    long long firstNonZero_ = -1;
    long long exponent_ = 0;
    bool negativeExponent_ = false;
    bool inWholePart_ = true;
};

} // namespace

double TextToNumber(std::string_view text, const NumberLocale &locale)
{
    const std::string number = withAsciiDigitsAndSigns(trimmed(text), locale);
    Scanner in(number);
    CanonicalNumber canonical(number.size());

    const bool negative = in.take('-');
    if (negative)
        canonical.appendSign();
    else
        in.take('+');

    const GroupSeparators groupSeparators(locale);
    const auto takeGroupSeparator = [&] {
        const auto &accepted = groupSeparators.accepted();
        return std::any_of(accepted.begin(), accepted.end(),
                           [&](std::string_view separator) { return in.take(separator); });
    };

    // Grouped, the whole part opens with a digit other than 0 ("0,001" is
    // more likely a slip than one).
    const std::string_view lead = in.digits();
    canonical.appendMantissaDigits(lead);
    if (takeGroupSeparator()) {
        if (lead.empty() || lead.front() == '0')
            notANumber();
        GroupPattern pattern(lead.size(), locale);
        do {
            const std::string_view digits = in.digits();
            pattern.add(digits.size());
            canonical.appendMantissaDigits(digits);
        } while (takeGroupSeparator());
        if (!pattern.fits())
            notANumber();
    }

    if (in.take(locale.decimalSeparator)) {
        canonical.appendPoint();
        canonical.appendMantissaDigits(in.digits());
    }
    if (!canonical.hasMantissaDigits())
        notANumber();

    if (in.take('e') || in.take('E')) {
        canonical.appendExponentMark();
        const bool negativeExponent = in.take('-');
        if (!negativeExponent)
            in.take('+');
        canonical.appendExponentSign(negativeExponent);
        const std::string_view digits = in.digits();
        if (digits.empty())
            notANumber();
        canonical.appendExponentDigits(digits);
    }
    if (!in.atEnd())
        notANumber();

    const std::string &canonicalText = canonical.text();
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(canonicalText.data(), canonicalText.data() + canonicalText.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (canonical.magnitudeAtLeastOne())
            throw CalculationError(CalculationError::Cause::Overflow);
        return negative ? -0.0 : 0.0;
    }
    if (error != std::errc() || end != canonicalText.data() + canonicalText.size())
        notANumber();
    return value;
}

std::string NumberToText(double value, const NumberLocale &locale)
{
    if (!std::isfinite(value))
        throw CalculationError(CalculationError::Cause::Overflow);
    if (value == 0.0)
        return inNotation("0", locale);

    // "-1.23456789012345e-308" is the longest text at this precision.
    char buffer[32];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    if (error != std::errc())
        throw CalculationError(CalculationError::Cause::Overflow);
    return inNotation(std::string_view(buffer, static_cast<std::size_t>(end - buffer)), locale);
}

std::string NumberToText(std::int16_t count, const NumberLocale &locale)
{
    return inNotation(std::to_string(count), locale);
}

} // namespace runtime

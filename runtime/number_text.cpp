// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/number_text.h"

#include "runtime/calculation_error.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace runtime {
namespace {

constexpr std::string_view noBreakSpace = "\u00A0";
constexpr std::string_view narrowNoBreakSpace = "\u202F";
constexpr std::string_view rightSingleQuote = "\u2019";

// The group separators accepted for a locale's own: the one it prints and
// those a person types in its place, which keyboards make easier.
class GroupSeparators {
public:
    GroupSeparators(std::string_view own, std::string_view decimal)
    {
        if (own.empty() || own == decimal)
            return;
        accepted_[0] = own;
        if (own == noBreakSpace)
            accepted_ = {own, " ", narrowNoBreakSpace};
        else if (own == narrowNoBreakSpace)
            accepted_ = {own, " ", noBreakSpace};
        else if (own == rightSingleQuote)
            accepted_ = {own, "'", {}};
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

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
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
    const std::string_view number = trimmed(text);
    Scanner in(number);
    CanonicalNumber canonical(number.size());

    const bool negative = in.take('-');
    if (negative)
        canonical.appendSign();
    else
        in.take('+');

    const GroupSeparators groupSeparators(locale.groupSeparator, locale.decimalSeparator);
    const auto takeGroupSeparator = [&] {
        const auto &accepted = groupSeparators.accepted();
        return std::any_of(accepted.begin(), accepted.end(),
                           [&](std::string_view separator) { return in.take(separator); });
    };

    // Grouped, the whole part opens with one to three digits, the first not
    // a 0 ("0,001" is more likely a slip than one).
    const std::string_view lead = in.digits();
    canonical.appendMantissaDigits(lead);
    if (takeGroupSeparator()) {
        if (lead.empty() || lead.size() > 3 || lead.front() == '0')
            notANumber();
        do {
            const std::string_view digits = in.digits();
            if (digits.size() != 3)
                notANumber();
            canonical.appendMantissaDigits(digits);
        } while (takeGroupSeparator());
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
        return "0";

    // "-1.23456789012345e-308" is the longest text at this precision.
    char buffer[32];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    if (error != std::errc())
        throw CalculationError(CalculationError::Cause::Overflow);

    std::string text;
    text.reserve(static_cast<std::size_t>(end - buffer) + locale.decimalSeparator.size());
    for (const char *c = buffer; c != end; ++c) {
        if (*c == '.')
            text += locale.decimalSeparator;
        else
            text += *c;
    }
    return text;
}

std::string NumberToText(std::int16_t count)
{
    return std::to_string(count);
}

} // namespace runtime

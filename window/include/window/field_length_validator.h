// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The bound on the length of the window's text fields, and the validator
// that holds them to it.

#include <QValidator>

namespace window {

// The longest text a field takes, in UTF-16 code units.  Qt lays out and
// draws a field's whole text on every keystroke, paste, focus change or
// Compute, so each costs time in proportion to the length.  Measured on the
// window under Xvfb, the slowest text tried (Latin, Arabic and Hebrew mixed,
// with combining marks and emoji) took up to about 0.13 s per action at
// 100 000 units, 0.4 s at 200 000 and 2 s at 1 000 000; digits take a fifth
// of that.  100 000 leaves room for a slower machine or a screen reader, and
// is still far beyond anything a person types.
inline constexpr int MaxFieldLength = 100'000;

// Refuses, whole, every edit that would leave a field longer than maximum:
// QLineEdit then undoes it and keeps the text it had.  QLineEdit::setMaxLength
// alone would instead cut a paste down to fit.  QLineEdit::setText is not
// validated: only the program calls it, with its short results.
class FieldLengthValidator : public QValidator {
    Q_OBJECT

public:
    explicit FieldLengthValidator(int maximum, QObject *parent = nullptr);

    State validate(QString &input, int &position) const override;

private:
    int maximum_;
};

} // namespace window

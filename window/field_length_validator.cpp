// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/field_length_validator.h"

namespace window {

FieldLengthValidator::FieldLengthValidator(int maximum, QObject *parent)
    : QValidator(parent), maximum_(maximum)
{
}

QValidator::State FieldLengthValidator::validate(QString &input, int &position) const
{
    Q_UNUSED(position);
    return input.size() <= maximum_ ? Acceptable : Invalid;
}

} // namespace window

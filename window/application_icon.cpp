// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/application_icon.h"

#include <QDir>
#include <QString>

namespace window {

QIcon ApplicationIcon()
{
    // The build puts every size of the icon under :/icons; each file's own
    // pixel size tells the icon which size it is.
    QIcon icon;
    const QDir icons(QStringLiteral(":/icons"));
    for (const QString &name : icons.entryList(QDir::Files)) {
        icon.addFile(icons.filePath(name));
    }
    return icon;
}

} // namespace window

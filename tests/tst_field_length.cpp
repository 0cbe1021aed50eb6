// SPDX-License-Identifier: GPL-3.0-or-later
// The bound on the length of the window's fields: an edit that fits is taken
// whole, one that would pass the bound is refused whole, whichever way the
// text comes in.
#include "window/field_length_validator.h"
#include "window/form1.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include <memory>

namespace {

enum class Way { KeyboardPaste, MenuPaste, Drop, Typing };

constexpr int bound = window::MaxFieldLength;

void paste(QLineEdit *field, const QString &text, Way way)
{
    switch (way) {
    case Way::KeyboardPaste:
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        break;
    case Way::MenuPaste: {
        QGuiApplication::clipboard()->setText(text);
        const std::unique_ptr<QMenu> menu(field->createStandardContextMenu());
        QAction *pasteAction = nullptr;
        for (QAction *action : menu->actions()) {
            if (action->text().startsWith(QLatin1String("&Paste")))
                pasteAction = action;
        }
        QVERIFY(pasteAction);
        QVERIFY(pasteAction->isEnabled());
        pasteAction->trigger();
        break;
    }
    case Way::Drop: {
        // Dragged in from another program, as the window system delivers it.
        QMimeData data;
        data.setText(text);
        const QPointF at(field->width() / 2.0, field->height() / 2.0);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(field, &enter);
        QVERIFY(enter.isAccepted());
        QDragMoveEvent move(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(field, &move);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(field, &drop);
        QVERIFY(drop.isAccepted());
        break;
    }
    case Way::Typing:
        QTest::keyClicks(field, text);
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(Way)

class TestFieldLength : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void editIsTakenOrRefusedWhole_data();
    void editIsTakenOrRefusedWhole();
    void everyFieldIsBounded();

private:
    QLineEdit *field(const char *name) const { return form_->findChild<QLineEdit *>(name); }

    std::unique_ptr<Form1> form_;
};

void TestFieldLength::init()
{
    form_ = std::make_unique<Form1>(runtime::NumberLocale{".", ","});
    form_->Load();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void TestFieldLength::cleanup()
{
    form_.reset();
}

void TestFieldLength::editIsTakenOrRefusedWhole_data()
{
    QTest::addColumn<Way>("way");
    QTest::addColumn<int>("before");     // length of the field's text beforehand
    QTest::addColumn<bool>("selectAll"); // the new text replaces the old
    QTest::addColumn<int>("added");      // length of the text pasted, dropped or typed
    QTest::addColumn<bool>("taken");

    // clang-format off
    QTest::newRow("Ctrl+V filling an empty field exactly") << Way::KeyboardPaste << 0 << false << bound << true;
    QTest::newRow("Ctrl+V one over the bound")       << Way::KeyboardPaste << 0 << false << bound + 1 << false;
    QTest::newRow("Ctrl+V a megabyte")               << Way::KeyboardPaste << 4 << false << (1 << 20) << false;
    QTest::newRow("Ctrl+V after text, fits")         << Way::KeyboardPaste << 10 << false << bound - 10 << true;
    QTest::newRow("Ctrl+V after text, one over")     << Way::KeyboardPaste << 10 << false << bound - 9 << false;
    QTest::newRow("Ctrl+V over a full selection")    << Way::KeyboardPaste << bound << true << bound << true;
    QTest::newRow("menu Paste that fits")            << Way::MenuPaste << 3 << false << bound - 3 << true;
    QTest::newRow("menu Paste one over")             << Way::MenuPaste << 3 << false << bound - 2 << false;
    QTest::newRow("drop that fits")                  << Way::Drop << 0 << false << bound << true;
    QTest::newRow("drop one over")                   << Way::Drop << 0 << false << bound + 1 << false;
    QTest::newRow("typing the last character")       << Way::Typing << bound - 1 << false << 1 << true;
    QTest::newRow("typing into a full field")        << Way::Typing << bound << false << 1 << false;
    QTest::newRow("typing over a full selection")    << Way::Typing << bound << true << 1 << true;
    // clang-format on
}

void TestFieldLength::editIsTakenOrRefusedWhole()
{
    QFETCH(Way, way);
    QFETCH(int, before);
    QFETCH(bool, selectAll);
    QFETCH(int, added);
    QFETCH(bool, taken);

    QLineEdit *payment = field("Text1");
    const QString old(before, QLatin1Char('1'));
    payment->setText(old);
    if (selectAll)
        payment->selectAll();
    const QString text(added, QLatin1Char('2'));
    paste(payment, text, way);
    if (QTest::currentTestFailed())
        return;

    if (taken) {
        QCOMPARE(payment->text().size(), (selectAll ? 0 : before) + added);
        QCOMPARE(payment->text().count(QLatin1Char('2')), added);
    }
    else {
        QCOMPARE(payment->text().size(), old.size());
        QVERIFY(payment->text() == old);
    }
}

void TestFieldLength::everyFieldIsBounded()
{
    for (const char *name : {"Text1", "Text2", "Text3", "Text4", "Text5"}) {
        QLineEdit *edit = field(name);
        edit->insert(QString(bound, QLatin1Char('9')));
        QCOMPARE(edit->text().size(), bound);
        QTest::keyClick(edit, Qt::Key_9);
        QVERIFY2(edit->text().size() == bound, name);
        edit->insert(QStringLiteral("99"));
        QVERIFY2(edit->text().size() == bound, name);
    }
}

QTEST_MAIN(TestFieldLength)
#include "tst_field_length.moc"

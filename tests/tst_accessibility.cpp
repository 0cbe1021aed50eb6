// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader learns about the window through Qt's accessibility
// interfaces: each field named by its question, the buttons by their
// captions, a message box by its prompt.
#include "runtime/qt/message_box.h"
#include "runtime/qt/qt_text.h"
#include "window/compute_command.h"
#include "window/form1.h"

#include "support/offscreen_warnings.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// The objects that the Label relations of iface point at, in Qt's order.
QStringList labelsOf(QAccessibleInterface *iface)
{
    QStringList names;
    for (const auto &[other, relation] : iface->relations(QAccessible::Label))
        names.append(other->object()->objectName());
    return names;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controls_data();
    void controls();
    void messageBoxReadsItsPrompt();

private:
    std::unique_ptr<Form1> form_;
};

void TestAccessibility::initTestCase()
{
    DropOffscreenSizeHintWarnings();
}

void TestAccessibility::init()
{
    form_ = std::make_unique<Form1>(runtime::NumberLocale{".", ","});
    form_->Load();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void TestAccessibility::cleanup()
{
    form_.reset();
}

void TestAccessibility::controls_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");  // what a screen reader announces
    QTest::addColumn<QString>("label"); // the question label, first of its Label relations

    // clang-format off
    QTest::newRow("payment field") << "Text1" << QAccessible::EditableText
                                   << "What is your monthly payment ?" << "Label1";
    QTest::newRow("rate field")    << "Text2" << QAccessible::EditableText
                                   << "What percentage interest are you paying ?" << "Label2";
    QTest::newRow("balance field") << "Text3" << QAccessible::EditableText
                                   << "What is your remaining principale balance ?" << "Label4";
    // On Linux Qt names a drop-down list by its chosen item and leaves the
    // question to the Label relation, which AT-SPI passes on as labelled-by.
    QTest::newRow("payment kind")  << "Combo1" << QAccessible::ComboBox
                                   << "Fixed" << "Label5";
    QTest::newRow("interest result") << "Text4" << QAccessible::EditableText
                                     << "Interest you pay every month :" << "Label3";
    QTest::newRow("months result") << "Text5" << QAccessible::EditableText
                                   << "Number of months to erase this debt :" << "Label6";
    QTest::newRow("Compute button") << "Command1" << QAccessible::Button << "Compute" << "Frame1";
    QTest::newRow("Reset button")   << "Command2" << QAccessible::Button << "Reset" << "Frame1";
    // clang-format on
}

void TestAccessibility::controls()
{
    QFETCH(QString, control);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    QFETCH(QString, label);

    auto *widget = form_->findChild<QWidget *>(control);
    QVERIFY(widget);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(iface);
    QCOMPARE(iface->role(), role);
    QCOMPARE(iface->text(QAccessible::Name), name);
    const QStringList labels = labelsOf(iface);
    QVERIFY(!labels.isEmpty());
    QCOMPARE(labels.first(), label);

    // The other way round: the question says which field it labels.
    if (auto *question = form_->findChild<QLabel *>(label)) {
        QAccessibleInterface *labelIface = QAccessible::queryAccessibleInterface(question);
        const auto labelled = labelIface->relations(QAccessible::Labelled);
        QCOMPARE(labelled.size(), 1);
        QCOMPARE(labelled.first().first->object(), widget);
    }
}

// The message box as it opens from Compute with every field empty.
void TestAccessibility::messageBoxReadsItsPrompt()
{
    runtime::MessagePresenter previous = runtime::InstallMessagePresenter(
        runtime::MessageBoxPresenter(form_.get(), QStringLiteral("Quenvale")));
    const QString prompt = runtime::ToQString(window::MissingPaymentMessage);

    QAccessible::Role role = QAccessible::NoRole;
    QString boxName;
    QString boxValue;
    QStringList texts;
    QString buttonName;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(box);
        role = iface->role();
        boxName = iface->text(QAccessible::Name);
        boxValue = iface->text(QAccessible::Value);
        for (int i = 0; i < iface->childCount(); ++i) {
            QAccessibleInterface *child = iface->child(i);
            if (child->role() == QAccessible::StaticText &&
                !child->text(QAccessible::Name).isEmpty())
                texts.append(child->text(QAccessible::Name));
        }
        buttonName =
            QAccessible::queryAccessibleInterface(box->buttons().value(0))->text(QAccessible::Name);
        box->accept();
    });
    poll.start(5);
    QTest::mouseClick(form_->findChild<QPushButton *>("Command1"), Qt::LeftButton);
    runtime::InstallMessagePresenter(std::move(previous));

    QCOMPARE(role, QAccessible::AlertMessage);
    QCOMPARE(boxName, "Quenvale");
    QCOMPARE(boxValue, prompt);
    QCOMPARE(texts, QStringList{prompt});
    QCOMPARE(buttonName, "OK");
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"

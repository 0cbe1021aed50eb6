// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Quenvale's one window: the controls, their layout, and three handlers.
// Load selects "Fixed"; Compute reads the fields, calls RunCompute once and
// writes the two results; Reset clears the texts.  The window never
// computes.  Where this sits in the program: README.md, "Layout".
//
// The layout is a table of rectangles in twips, scaled as a whole to the
// default font so that no caption is clipped (twip_layout.h).  The window
// takes the layout's size where the screen has room for it; on a smaller
// screen it takes what the screen's work area leaves and the controls scroll
// inside it, following the keyboard focus.

#include "runtime/number_text.h"
#include "runtime/qt/system_locale.h"

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

class Form1 : public QWidget {
    Q_OBJECT

public:
    // numberLocale: how the user writes numbers in the fields.
    explicit Form1(runtime::NumberLocale numberLocale = runtime::SystemNumberLocale(),
                   QWidget *parent = nullptr);
    ~Form1() override;

    // The Load event, raised by the start service before the window first shows.
    void Load();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void Command1Click();
    void Command2Click();

    void createControls();
    void layOutControls();
    void adaptToScreen();
    void fitToScreen();
    void drawLogo();
    void colourHeading();
    void showFocusedControl(QWidget *focused);

    runtime::NumberLocale numberLocale_;

    // Holds the designed client area, the parent of Image1, Label7 and Frame1.
    QScrollArea *scrollArea_ = nullptr;
    QWidget *content_ = nullptr;

    QLabel *Image1 = nullptr;
    QLabel *Label7 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLabel *Label4 = nullptr;
    QLineEdit *Text3 = nullptr;
    QLabel *Label5 = nullptr;
    QComboBox *Combo1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *Text4 = nullptr;
    QLabel *Label6 = nullptr;
    QLineEdit *Text5 = nullptr;
};

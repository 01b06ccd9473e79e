#include "app/toolkit/DialogBuilder.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFont>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QString>

#include "app/toolkit/EnterKeyForwarder.h"
#include "app/toolkit/EntryListView.h"

namespace {

bool TakesFocus(ControlKind kind) {
    return kind != ControlKind::Static && kind != ControlKind::GroupBox &&
           kind != ControlKind::Icon;
}

// A single-line field holds one line: of pasted text only the first line goes in, so a line
// break can never reach a line-based file through a field.
void KeepToOneLine(QLineEdit* edit) {
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& edited) {
        static const QRegularExpression lineBreak(QStringLiteral("[\\r\\n]"));
        const qsizetype first = edited.indexOf(lineBreak);
        if (first < 0) {
            return;
        }
        // The pasted text ends at the cursor.
        const qsizetype pastedEnd = std::max<qsizetype>(edit->cursorPosition(), first);
        QString kept = edited.left(first) + edited.mid(pastedEnd);
        const qsizetype another = kept.indexOf(lineBreak);
        if (another >= 0) {
            kept.truncate(another);
        }
        edit->setText(kept);
        edit->setCursorPosition(static_cast<int>(first));
    });
}

} // namespace

DialogBuilder::DialogBuilder(const QFont& font) {
    const QFontMetricsF metrics(font);
    // The dialog base units: the average width of the Latin letters and the font's height.
    m_baseUnitX = metrics.horizontalAdvance(
                      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                  52.0;
    m_baseUnitY = metrics.height();
}

int DialogBuilder::ToPixelsX(int dialogUnits) const {
    return static_cast<int>(std::lround(dialogUnits * m_baseUnitX / 4.0));
}

int DialogBuilder::ToPixelsY(int dialogUnits) const {
    return static_cast<int>(std::lround(dialogUnits * m_baseUnitY / 8.0));
}

QWidget* DialogBuilder::CreateControl(const ControlTemplate& control, QWidget& window) const {
    const QString text = QString::fromStdString(control.text);
    switch (control.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: {
        auto* button = new QPushButton(text, &window);
        button->setAutoDefault(true);
        button->setDefault(control.kind == ControlKind::DefPushButton);
        return button;
    }
    case ControlKind::Static: {
        auto* label = new QLabel(text, &window);
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(&window);
        // A field holds a text of any length: a long address read from a row must come back
        // whole when the row is written again.
        edit->setMaxLength(std::numeric_limits<int>::max());
        if ((control.style & kStylePassword) != 0) {
            edit->setEchoMode(QLineEdit::Password);
        }
        KeepToOneLine(edit);
        return edit;
    }
    case ControlKind::ComboDropDown: {
        auto* combo = new QComboBox(&window);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
        KeepToOneLine(combo->lineEdit());
        for (const std::string& item : control.items) {
            combo->addItem(QString::fromStdString(item));
        }
        combo->setCurrentIndex(-1);
        combo->setEditText(QString());
        return combo;
    }
    case ControlKind::ListView:
        return new EntryListView(&window);
    case ControlKind::GroupBox:
        return new QGroupBox(text, &window);
    case ControlKind::Icon: {
        auto* icon = new QLabel(&window);
        icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
        return icon;
    }
    case ControlKind::MonthCalendar: {
        auto* calendar = new QCalendarWidget(&window);
        calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
        calendar->setGridVisible(false);
        if (auto* days = calendar->findChild<QAbstractItemView*>()) {
            days->installEventFilter(new EnterKeyForwarder(calendar));
        }
        return calendar;
    }
    }
    return nullptr;
}

std::map<int, QWidget*> DialogBuilder::Build(const DialogTemplate& dialogTemplate,
                                             QWidget& window) const {
    std::map<int, QWidget*> byId;
    QWidget* previousFocusable = nullptr;
    for (const ControlTemplate& control : dialogTemplate.controls) {
        QWidget* widget = CreateControl(control, window);
        int width = ToPixelsX(control.cx);
        int height = ToPixelsY(control.cy);
        if (control.kind == ControlKind::ComboDropDown) {
            // The template's height includes the dropped-down list; the box itself is one line.
            height = std::min(widget->sizeHint().height(), ToPixelsY(14));
        } else if (control.kind == ControlKind::Static) {
            // A label never clips its text, whatever the font.
            width = std::max(width, widget->sizeHint().width());
        }
        widget->setGeometry(ToPixelsX(control.x), ToPixelsY(control.y), width, height);
        if (control.id != kNoControlId) {
            widget->setObjectName(QStringLiteral("control_%1").arg(control.id));
            byId[control.id] = widget;
        }
        if (TakesFocus(control.kind)) {
            widget->setFocusPolicy(Qt::StrongFocus);
            if (previousFocusable != nullptr) {
                QWidget::setTabOrder(previousFocusable, widget);
            }
            previousFocusable = widget;
        } else {
            widget->setFocusPolicy(Qt::NoFocus);
        }
    }
    window.setFixedSize(ToPixelsX(dialogTemplate.cx), ToPixelsY(dialogTemplate.cy));
    return byId;
}

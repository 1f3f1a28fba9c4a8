// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_builder.h"

#include "ui/pictures.h"
#include "widgets/bevel_button.h"

#include <QCursor>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QToolButton>

#include <algorithm>
#include <vector>

namespace quintavia::ui {

namespace {

QString utf8(const char* text)
{
    return QString::fromUtf8(text ? text : "");
}

QRect pixelRect(const ControlSpec& c)
{
    return {twipsToPixels(c.left), twipsToPixels(c.top), twipsToPixels(c.width), twipsToPixels(c.height)};
}

QFont fontFor(const FontSpec& wanted, const QFont& base)
{
    QFont font = base;
    font.setFamily(QString::fromLatin1(kFontFamily));
    if (wanted.points > 0)
        font.setPointSizeF(wanted.points);
    font.setBold(wanted.bold);
    font.setItalic(wanted.italic);
    return font;
}

QWidget* makeButton(const ControlSpec& c, QWidget* parent)
{
    const QColor face = c.background.value_or(Rgb{192, 192, 192}).toColor();
    auto* button = new BevelButton(face, c.text ? c.text->toColor() : QColor(Qt::black), parent);
    button->setText(utf8(c.caption));
    button->setFocusPolicy(Qt::StrongFocus);
    if (c.kind == ControlKind::CheckBox) {
        button->setCheckable(true);
        QIcon icon;
        const QSize size(c.pictureWidth, c.pictureHeight);
        icon.addPixmap(svgPixmap(utf8(c.picture), size), QIcon::Normal, QIcon::Off);
        icon.addPixmap(svgPixmap(utf8(c.pictureChecked), size), QIcon::Normal, QIcon::On);
        button->setIcon(icon);
        button->setIconSize(size);
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    } else if (*c.picture) {
        const QSize size(c.pictureWidth, c.pictureHeight);
        button->setIcon(pictureIcon(utf8(c.picture), size));
        button->setIconSize(size);
        button->setToolButtonStyle(button->text().isEmpty() ? Qt::ToolButtonIconOnly
                                                            : Qt::ToolButtonTextUnderIcon);
    } else {
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
    if (c.handCursor)
        button->setCursor(pointingHandCursor());
    if (*c.shortcut)
        button->setShortcut(QKeySequence(utf8(c.shortcut)));
    return button;
}

QWidget* makeLabel(const ControlSpec& c, QWidget* parent)
{
    auto* label = new QLabel(utf8(c.caption), parent);
    QPalette palette = label->palette();
    if (c.text)
        palette.setColor(QPalette::WindowText, c.text->toColor());
    if (c.background) {
        // A ground of its own: the text never lies on what is behind the label.
        palette.setColor(QPalette::Window, c.background->toColor());
        label->setAutoFillBackground(true);
        label->setMargin(3);
    } else {
        label->setAttribute(Qt::WA_TranslucentBackground);
        label->setAutoFillBackground(false);
    }
    label->setPalette(palette);
    label->setAlignment(c.centred ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignTop));
    label->setWordWrap(c.centred);
    return label;
}

QWidget* makeFrame(const ControlSpec& c, QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    if (c.background) {
        frame->setAutoFillBackground(true);
        QPalette palette = frame->palette();
        palette.setColor(QPalette::Window, c.background->toColor());
        frame->setPalette(palette);
    }
    return frame;
}

QWidget* makeImage(const ControlSpec& c, QWidget* parent)
{
    // Drawn once at the control's size: the picture is stretched to it and never changes.
    auto* image = new QLabel(parent);
    image->setPixmap(svgPixmap(utf8(c.picture), pixelRect(c).size()));
    image->setAttribute(Qt::WA_TransparentForMouseEvents);
    return image;
}

// A box's ground in its colour while it takes input; disabled, grey ground and grey text, so that
// it no longer looks ready for typing.
QPalette boxPalette(QPalette palette, const QColor& ground)
{
    palette.setColor(QPalette::Active, QPalette::Base, ground);
    palette.setColor(QPalette::Inactive, QPalette::Base, ground);
    palette.setColor(QPalette::Disabled, QPalette::Base, kDisabledGround.toColor());
    palette.setColor(QPalette::Disabled, QPalette::Text, kDisabledText.toColor());
    return palette;
}

void applyTabOrder(const WindowSpec& layout, const Controls& controls)
{
    std::vector<const ControlSpec*> ordered;
    for (const auto& c : layout.controls)
        if (c.tabIndex >= 0)
            ordered.push_back(&c);
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const ControlSpec* a, const ControlSpec* b) { return a->tabIndex < b->tabIndex; });
    QWidget* previous = nullptr;
    for (const ControlSpec* c : ordered) {
        QWidget* w = controls.widget(utf8(c->name));
        if (!w || w->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

}  // namespace

QPoint centredFramePosition(const QRect& area, const QSize& clientSize, const QMargins& frame)
{
    const QSize frameSize = clientSize.grownBy(frame);
    return {area.left() + (area.width() - frameSize.width()) / 2,
            area.top() + (area.height() - frameSize.height()) / 2};
}

namespace {

QMargins frameMarginsOf(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

// The window manager adds its frame only once the window is shown. Until then the frame is
// guessed from the owner's; when the real one is known, the window is centred again if it differs.
class CentreWhenFramed final : public QObject {
public:
    CentreWhenFramed(QWidget* window, QRect area, QMargins guessed)
        : QObject(window), m_window(window), m_area(area), m_guessed(guessed)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && (event->type() == QEvent::Move || event->type() == QEvent::Show)
            && m_window->isVisible()) {
            const QMargins frame = frameMarginsOf(m_window);
            if (!frame.isNull()) {
                if (frame != m_guessed)
                    m_window->move(centredFramePosition(m_area, m_window->size(), frame));
                deleteLater();
                m_window->removeEventFilter(this);
            }
        }
        return false;
    }

private:
    QWidget* m_window;
    QRect m_area;
    QMargins m_guessed;
};

}  // namespace

void centreOn(QWidget* window, const QWidget* owner)
{
    QRect area;
    if (owner && owner->isVisible())
        area = owner->frameGeometry();
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    else
        return;
    QMargins frame = frameMarginsOf(window);
    const bool framed = window->isVisible() && !frame.isNull();
    if (!framed && owner && owner->isVisible())
        frame = frameMarginsOf(owner);  // the window manager frames all our windows alike
    // Top-level positions are those of the frame's top-left corner.
    window->move(centredFramePosition(area, window->size(), frame));
    if (!framed)
        new CentreWhenFramed(window, area, frame);
}

Controls buildWindow(QWidget* window, const WindowSpec& layout, const RichTextFactory& makeRichText)
{
    Controls controls;
    window->setObjectName(utf8(layout.name));
    window->setWindowTitle(utf8(layout.caption));
    window->setFixedSize(twipsToPixels(layout.clientWidth), twipsToPixels(layout.clientHeight));
    window->setFont(fontFor(layout.font, window->font()));
    if (*layout.icon)
        window->setWindowIcon(windowIcon(utf8(layout.icon)));

    QPalette palette = window->palette();
    if (*layout.backgroundPicture) {
        palette.setBrush(QPalette::Window, backgroundBrush(layout, palette.color(QPalette::Window)));
        window->setAutoFillBackground(true);
    } else if (layout.background) {
        palette.setColor(QPalette::Window, layout.background->toColor());
        window->setAutoFillBackground(true);
    }
    window->setPalette(palette);

    std::vector<QWidget*> images;
    std::vector<QWidget*> raised;
    for (const ControlSpec& c : layout.controls) {
        QWidget* parent = *c.parent ? controls.widget(utf8(c.parent)) : window;
        Q_ASSERT_X(parent, "buildWindow", "a frame must come before its children");
        if (!parent)
            parent = window;
        QWidget* w = nullptr;
        switch (c.kind) {
        case ControlKind::Button:
        case ControlKind::CheckBox: w = makeButton(c, parent); break;
        case ControlKind::Label: w = makeLabel(c, parent); break;
        case ControlKind::Frame: w = makeFrame(c, parent); break;
        case ControlKind::Image:
            w = makeImage(c, parent);
            images.push_back(w);
            break;
        case ControlKind::RichTextBox:
            w = makeRichText ? makeRichText(c, parent) : new QWidget(parent);
            if (c.background)
                w->setPalette(boxPalette(w->palette(), c.background->toColor()));
            break;
        }
        w->setObjectName(utf8(c.name));
        const QString spoken = *c.accessibleName ? utf8(c.accessibleName) : utf8(c.caption).trimmed();
        if (!spoken.isEmpty())
            w->setAccessibleName(spoken);
        if (*c.toolTip) {
            w->setToolTip(utf8(c.toolTip));
            w->setAccessibleDescription(w->toolTip());
        }
        w->setGeometry(pixelRect(c));
        if (c.kind != ControlKind::Frame || c.font.points > 0)
            w->setFont(fontFor(c.font, window->font()));
        if (c.onTop)
            raised.push_back(w);
        controls.add(w->objectName(), w);
    }
    for (QWidget* w : images)
        w->lower();
    for (QWidget* w : raised)
        w->raise();
    applyTabOrder(layout, controls);
    return controls;
}

}  // namespace quintavia::ui

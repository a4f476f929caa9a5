#include "components/window/THIMainForm.h"

#include <QApplication>
#include <QEventLoop>
#include <QPointer>
#include <QScreen>

#include "objlib/qt/Application.h"
#include "objlib/qt/Translation.h"

namespace {

THIMainForm* g_applicationOwner = nullptr;

struct BorderKind {
    Qt::WindowFlags flags;
    bool sizeable;
};

constexpr Qt::WindowFlags kCaption =
    Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// The platform's border styles, as near as Qt's window flags come to them.
const BorderKind kBorderKinds[] = {
    {Qt::Window | Qt::FramelessWindowHint, false},              // 0 no frame
    {Qt::Window | kCaption | Qt::WindowMinimizeButtonHint, false},  // 1 caption, system menu, one box
    {Qt::Window, true},                                         // 2 sizeable, minimise and maximise
    {Qt::Dialog | kCaption, false},                             // 3 caption only, window edge
    {Qt::Tool | kCaption, false},                               // 4 tool window
    {Qt::Tool | kCaption, true},                                // 5 sizeable tool window
    {Qt::Dialog | Qt::CustomizeWindowHint, false},              // 6 dialog frame, no caption
    {Qt::Window | Qt::CustomizeWindowHint, true},               // 7 sizing frame only
};

}  // namespace

THIMainForm::THIMainForm(TControl* parent) : THIWin(parent) {
    if (!g_applicationOwner) {
        g_applicationOwner = this;
        IsApplicationOwner = true;
    }
    auto* form = new QWidget(parent ? parent->Widget() : nullptr, Qt::Window);
    form->setWindowTitle(QStringLiteral("Form"));
    Control = std::make_unique<TControl>(parent, form);
    Control->SetFont(TFontRec{});
    AddInit<&THIMainForm::FormStarted>(*this);
}

THIMainForm::~THIMainForm() {
    if (g_applicationOwner == this) g_applicationOwner = nullptr;
}

void THIMainForm::Init() {
    QWidget* form = Control->Widget();
    form->setWindowTitle(InterfaceText(Caption));
    if (!Icon.isNull()) {
        form->setWindowIcon(Icon);
        if (IsApplicationOwner) QApplication::setWindowIcon(Icon);
    }
    const bool sizeable = BorderStyle < std::size(kBorderKinds) ? kBorderKinds[BorderStyle].sizeable : true;
    if (BorderStyle < std::size(kBorderKinds)) form->setWindowFlags(kBorderKinds[BorderStyle].flags);

    const bool visible = Visible;
    Visible = false;
    THIWin::Init();
    Visible = visible;

    form->setWindowOpacity(AlphaBlend / 255.0);
    CenterOnScreen();
    if (sizeable)
        form->setMinimumSize(MinWidth, MinHeight);
    else
        form->setFixedSize(form->size());
}

void THIMainForm::CenterOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    Control->Widget()->move(area.x() + (area.width() - Width) / 2, area.y() + (area.height() - Height) / 2);
}

void THIMainForm::FormStarted() {
    RaiseNull(onCreate);
    Control->SetVisible(Visible);
}

void THIMainForm::doShowModal(TData&, uint16_t) {
    QPointer<QWidget> form = Control->Widget();
    if (!form || modalLoop_) return;
    // Modality can only change while the window is hidden.
    form->hide();
    form->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    modalLoop_ = &loop;
    form->show();
    form->raise();
    form->activateWindow();
    loop.exec(QEventLoop::DialogExec);
    modalLoop_ = nullptr;
    if (form) {
        form->hide();
        form->setWindowModality(Qt::NonModal);
    }
}

void THIMainForm::CloseRequest() {
    QWidget* form = Control->Widget();
    for (QObject* child : form->children()) {
        auto* window = qobject_cast<QWidget*>(child);
        if (window && window->isWindow() && TControl::Of(window)) window->close();
    }
    if (IsApplicationOwner) {
        DeactivateHooks();
        EndMessageLoop();
    } else if (modalLoop_) {
        modalLoop_->exit(-1);
    }
    // The close then proceeds: Qt hides the window; it is deleted only with its component.
}

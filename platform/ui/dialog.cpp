#include "platform/ui/dialog.h"

#include "platform/ui/accessibility_impl.h"
#include "platform/ui/control_adapters.h"
#include "platform/ui/translation.h"

#include <QDialog>
#include <QMenuBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cassert>

namespace halvo
{

void FillMenuBar(QMenuBar& bar, const MenuResource& menu, std::map<int, QAction*>& actions,
                 const std::function<void(int)>& run);

namespace
{

class DialogWidget : public QDialog
{
  public:
    DialogWidget(CDialog& dialog, QWidget* parent) : QDialog(parent), dialog_(dialog) {}

    // Escape and the window's close button cancel, as the Cancel button does.
    void reject() override { dialog_.Notify(Message::Clicked, MessageArgs{.id = IDCANCEL}); }

  private:
    CDialog& dialog_;
};

std::function<void(CDialog&)>& ModalHook()
{
    static std::function<void(CDialog&)> hook;
    return hook;
}

} // namespace

void SetModalHook(std::function<void(CDialog&)> hook)
{
    ModalHook() = std::move(hook);
}

CDialog::CDialog(DialogTemplate dialogTemplate, CWnd* parent)
    : template_(std::move(dialogTemplate)), parent_(parent)
{
}

CDialog::~CDialog()
{
    Destroy();
}

bool CDialog::HasControl(int id) const
{
    return controls_.count(id) != 0;
}

ControlAdapter& CDialog::ControlAt(int id) const
{
    const auto found = controls_.find(id);
    assert(found != controls_.end() && "no control of this id in the dialog's template");
    if (found == controls_.end())
        return MissingControl();
    return *found->second;
}

void CDialog::Notify(Message message, const MessageArgs& args)
{
    if (Dispatch(message, args))
        return;
    if (message == Message::Clicked && args.id == IDOK)
        OnOK();
    else if (message == Message::Clicked && args.id == IDCANCEL)
        OnCancel();
}

bool CDialog::Build()
{
    EnsureApplication();
    Destroy();
    QWidget* parentWidget = parent_ != nullptr ? parent_->impl().widget.data() : nullptr;
    auto* window = new DialogWidget(*this, parentWidget);
    window->setWindowTitle(ToQString(Translate(template_.title)));
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    if (template_.menu != nullptr)
    {
        auto* bar = new QMenuBar(window);
        FillMenuBar(*bar, *template_.menu, impl_->menuActions,
                    [this](int id) { Notify(Message::Command, MessageArgs{.id = id}); });
        layout->setMenuBar(bar);
    }

    auto* surface = new WindowWidget<QWidget>(*this, window);
    surface->setFont(SystemFont());
    surface->setFixedSize(std::max(kScreenWidth, DialogUnitsToPixelsX(template_.width)),
                          std::max(kScreenHeight, DialogUnitsToPixelsY(template_.height)));
    surface->setFocusPolicy(Qt::ClickFocus);
    layout->addWidget(surface);
    impl_->widget = window;
    impl_->surface = surface;

    const ControlNotifier notify = [this](Message message, const MessageArgs& args)
    { Notify(message, args); };
    const bool mirrored = RightToLeft();
    for (const ControlTemplate& original : template_.controls)
    {
        // Captions and labels are shown in the active language; what the
        // program reads back from edits and lists is left as it is.
        ControlTemplate control = original;
        if (control.kind != ControlKind::Edit)
            control.text = ShownText(control.text);
        std::unique_ptr<ControlAdapter> adapter = MakeControl(control, surface, notify);
        QWidget* widget = adapter->Widget();
        // A combo box's height in a template includes its drop-down list.
        const bool isCombo = control.kind == ControlKind::ComboDropDown ||
                             control.kind == ControlKind::ComboDropDownList;
        const bool isPicture = control.kind == ControlKind::StaticPicture;
        int width = isPicture ? widget->sizeHint().width() : DialogUnitsToPixelsX(control.width);
        const int height = isCombo || isPicture ? widget->sizeHint().height()
                                                : DialogUnitsToPixelsY(control.height);
        int x = DialogUnitsToPixelsX(control.x);
        // A translated caption wider than its button widens the button about
        // its centre; the English captions fit as they are.
        const bool isButton = control.kind == ControlKind::PushButton ||
                              control.kind == ControlKind::DefaultPushButton;
        if (isButton && !ActiveLanguage().empty())
        {
            const int wanted =
                widget->fontMetrics().horizontalAdvance(widget->property("text").toString()) + 8;
            if (wanted > width)
            {
                x -= (wanted - width + 1) / 2;
                width = wanted;
            }
        }
        // Right to left, every control takes the mirrored place in its window.
        if (mirrored)
            x = surface->width() - x - width;
        widget->setGeometry(x, DialogUnitsToPixelsY(control.y), width, height);
        if (control.id != IDC_STATIC)
            controls_[control.id] = std::move(adapter);
        else
            unnamedControls_.push_back(std::move(adapter));
    }
    PrepareDialogForScreenReaders(*this, *surface);
    return true;
}

void CDialog::Destroy()
{
    // The controls die with the window; their adapters must not outlive it.
    controls_.clear();
    unnamedControls_.clear();
    impl_->menuActions.clear();
    if (impl_->widget)
        delete impl_->widget.data();
}

bool CDialog::CreateModeless()
{
    if (!Build())
        return false;
    ended_ = false;
    OnInitDialog();
    impl_->widget->show();
    return true;
}

int CDialog::DoModal()
{
    if (!Build())
        return -1;
    ended_ = false;
    result_ = IDCANCEL;
    OnInitDialog();
    if (!ended_)
    {
        if (ModalHook())
        {
            impl_->widget->show();
            // The hook may open another dialog modally; it must see its own.
            const std::function<void(CDialog&)> hook = ModalHook();
            hook(*this);
            if (!ended_)
                EndDialog(IDCANCEL);
        }
        else
        {
            static_cast<QDialog*>(impl_->widget.data())->exec();
        }
    }
    Destroy();
    return result_;
}

void CDialog::EndDialog(int result)
{
    result_ = result;
    ended_ = true;
    if (auto* window = qobject_cast<QDialog*>(impl_->widget.data()))
        window->done(result);
}

void CDialog::EndOKIfStored(bool stored, const std::string& notStoredMessage)
{
    if (stored)
        EndDialog(IDOK);
    else
        MessageBox(this, notStoredMessage);
}

} // namespace halvo

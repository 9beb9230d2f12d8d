// The desktop's colour and font dialogs: Qt's own QColorDialog and
// QFontDialog, opened without a loop of their own.  Qt runs them inside
// the runtime's waits like any other window, so the runtime's timers keep
// firing while one is up; the answer is handed on from the next wait.
#include "qt_dialogs.h"

#include "top_window.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QPointer>

#include <algorithm>
#include <cstdlib>

namespace platform {
namespace {

// A dialog that is up.  Destroying it closes the dialog; an answer that is
// still on its way to the runtime is dropped.
class QtCommonDialog final : public CommonDialog {
public:
    QtCommonDialog(QDialog* dialog, std::shared_ptr<bool> open) : dialog_(dialog), open_(std::move(open)) {}
    ~QtCommonDialog() override
    {
        *open_ = false;
        if (dialog_) {
            QObject::disconnect(dialog_, nullptr, nullptr, nullptr);
            delete dialog_.data();
        }
    }

private:
    QPointer<QDialog> dialog_;
    std::shared_ptr<bool> open_;
};

QWidget* OwnerWidget(QtBackend::Impl& d, NativeWindowId owner)
{
    QtBackend::Impl::Window* w = d.Find(owner);
    return w != nullptr ? w->widget.get() : nullptr;
}

// Opens `dialog` over the owner and, when it finishes, queues `answer()`'s
// result for the runtime's next wait.
template <typename Answer>
std::unique_ptr<CommonDialog> Open(QtBackend::Impl& d, QDialog* dialog, bool owned,
                                   std::function<std::optional<Answer>()> answer,
                                   std::function<void(std::optional<Answer>)> done)
{
    auto open = std::make_shared<bool>(true);
    dialog->setWindowModality(owned ? Qt::WindowModal : Qt::NonModal);
    QtBackend::Impl* impl = &d;
    QObject::connect(dialog, &QDialog::finished, dialog, [impl, open, answer, done](int result) {
        PendingEvent e;
        e.kind = PendingEvent::Kind::Call;
        std::optional<Answer> value = result == QDialog::Accepted ? answer() : std::nullopt;
        e.call = [open, done, value] {
            if (!*open)
                return;
            *open = false;
            done(value);
        };
        impl->Push(std::move(e));
    });
    dialog->open();
    return std::make_unique<QtCommonDialog>(dialog, open);
}

QColor ToQColor(COLORREF c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

COLORREF ToColorRef(const QColor& c)
{
    return static_cast<COLORREF>(c.red()) | (static_cast<COLORREF>(c.green()) << 8) |
           (static_cast<COLORREF>(c.blue()) << 16);
}

QFont QtFontFromChoice(const FontChoice& choice)
{
    QFont font = QApplication::font();
    if (!choice.face.empty())
        font.setFamily(QString::fromStdString(choice.face));
    // Either sign is a pixel height here; a cell height is near enough to
    // the character height for choosing a size.
    if (choice.height != 0)
        font.setPixelSize(std::abs(choice.height));
    font.setWeight(static_cast<QFont::Weight>(std::clamp(choice.weight, 100, 900)));
    font.setItalic(choice.italic);
    font.setUnderline(choice.underline);
    font.setStrikeOut(choice.strikeOut);
    return font;
}

FontChoice QtChoiceFromFont(const QFont& font, COLORREF color)
{
    FontChoice choice;
    choice.face = font.family().toStdString();
    // A size in points (as the dialog's size list gives it) becomes pixels
    // on this screen.
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    choice.height = -std::max(pixels, 1);
    choice.weight = std::clamp(static_cast<int>(font.weight()), 100, 900);
    choice.italic = font.italic();
    choice.underline = font.underline();
    choice.strikeOut = font.strikeOut();
    choice.color = color;
    return choice;
}

} // namespace

QtBackend::Dialogs::Dialogs(QtBackend::Impl& d) : d_(d) {}

QtBackend::Dialogs::~Dialogs() = default;

std::unique_ptr<CommonDialog> QtBackend::Dialogs::ChooseColor(NativeWindowId owner, std::optional<COLORREF> initial,
                                                              ColorDone done)
{
    QWidget* parent = OwnerWidget(d_, owner);
    auto* dialog = new QColorDialog(parent);
    dialog->setOption(QColorDialog::DontUseNativeDialog);
    if (initial)
        dialog->setCurrentColor(ToQColor(*initial));
    std::function<std::optional<COLORREF>()> answer = [dialog] {
        return std::optional<COLORREF>(ToColorRef(dialog->selectedColor()));
    };
    return Open<COLORREF>(d_, dialog, parent != nullptr, std::move(answer), std::move(done));
}

std::unique_ptr<CommonDialog> QtBackend::Dialogs::ChooseFont(NativeWindowId owner, const FontChoice& initial, bool,
                                                             FontDone done)
{
    // Qt's dialog always offers underline and strike-out; the runtime drops
    // them when effects were not asked for.  It has no colour, so the
    // colour given comes back.
    QWidget* parent = OwnerWidget(d_, owner);
    auto* dialog = new QFontDialog(QtFontFromChoice(initial), parent);
    dialog->setOption(QFontDialog::DontUseNativeDialog);
    const COLORREF color = initial.color;
    std::function<std::optional<FontChoice>()> answer = [dialog, color] {
        return std::optional<FontChoice>(QtChoiceFromFont(dialog->selectedFont(), color));
    };
    return Open<FontChoice>(d_, dialog, parent != nullptr, std::move(answer), std::move(done));
}

CommonDialogService* QtBackend::CommonDialogs()
{
    if (!dialogs_)
        dialogs_ = std::make_unique<Dialogs>(*impl_);
    return dialogs_.get();
}

} // namespace platform

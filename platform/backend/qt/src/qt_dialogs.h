// The Qt backend's common dialogs (QColorDialog, QFontDialog).
#pragma once

#include "qt_impl.h"

namespace platform {

class QtBackend::Dialogs final : public CommonDialogService {
public:
    explicit Dialogs(QtBackend::Impl& d);
    ~Dialogs() override;

    std::unique_ptr<CommonDialog> ChooseColor(NativeWindowId owner, std::optional<COLORREF> initial,
                                              ColorDone done) override;
    std::unique_ptr<CommonDialog> ChooseFont(NativeWindowId owner, const FontChoice& initial, bool effects,
                                             FontDone done) override;

private:
    QtBackend::Impl& d_;
};

} // namespace platform

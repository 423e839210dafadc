#include "app/kit/dialog_kit.h"

#include "framework/controls/say.h"
#include "app/kit/namespace.h"

namespace pixa::kit {

DialogKit::DialogKit(DialogNew args) {
    args.lPixel = true;
    dialog_ = TDialog::New(args);
}

std::shared_ptr<TSay> DialogKit::Label(int row, int col, int width, int height, const std::string& text,
                                       const LabelLook& look) const {
    return Label(row, col, width, height, Constant(Value(text)), look);
}

std::shared_ptr<TSay> DialogKit::Label(int row, int col, int width, int height, Action text,
                                       const LabelLook& look) const {
    return Add<TSay>({.nRow = row, .nCol = col, .bText = std::move(text), .cPicture = look.picture,
                      .oFont = look.font, .lCentered = look.align == Align::Centred,
                      .lRight = look.align == Align::Right, .nClrText = look.colour, .nWidth = width,
                      .nHeight = height});
}

Action DialogKit::Ends(int result) const {
    return Do(dialog_, [result](TDialog& dialog) { dialog.End(result); });
}

}  // namespace pixa::kit

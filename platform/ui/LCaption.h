#pragma once
// A static text. Its layout may give the text's size in points and "bold"
// (font 15 bold); a backend that draws text uses them.

#include "ui/LPane.h"
#include "ui/LStream.h"

class LCaption : public LPane {
public:
    enum : OSType { class_ID = FOUR_CHAR('c', 'a', 'p', 't') };

    explicit LCaption(LStream* stream)
        : LPane(stream),
          fontSize(SInt16(stream->number("font", 0, 0))),
          bold(stream->layout().attributes.count("font") && stream->layout().attributes.at("font").size() > 1 &&
               stream->layout().attributes.at("font")[1] == "bold")
    {
    }

    // 0: the backend's usual size.
    SInt16 GetFontSize() const { return fontSize; }
    bool IsBold() const { return bold; }

private:
    SInt16 fontSize = 0;
    bool bold = false;
};

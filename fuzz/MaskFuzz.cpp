// The input masks and display formats of the form's entries: any mask gives a Qt mask with "_"
// blanks, any format and text a text to show. The input is the mask (or format), a newline, the text.

#include "FuzzText.h"
#include "ui/binder/DisplayFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tolmo;
    const QString input = fuzz::testo(data, size);
    const QString mask = input.section(u'\n', 0, 0);
    const QString text = input.section(u'\n', 1);
    const QString qt = ui::mascheraQt(mask);
    fuzz::promessa(mask.isEmpty() == qt.isEmpty(), "a mask gives a Qt mask, no mask none", input);
    if (!qt.isEmpty()) fuzz::promessa(qt.endsWith(QStringLiteral(";_")), "the Qt mask's blank is _", input);
    ui::formatoVisibile(mask, text);
    return 0;
}

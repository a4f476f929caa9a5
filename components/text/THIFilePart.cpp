#include "components/text/THIFilePart.h"

void THIFilePart::doPart(TData& d, uint16_t) {
    const Bytes path = ReadString(d, FileName);
    if (path.empty()) return;

    const size_t separator = path.view().find_last_of(":\\/");
    const size_t nameStart = separator == std::string_view::npos ? 0 : separator + 1;
    Bytes name = path.substr(nameStart);
    if (WithExt == 0) {
        const size_t dot = name.view().rfind('.');
        if (dot != std::string_view::npos) name = name.substr(0, dot);
    }
    const size_t extStart = path.view().rfind('.');
    Bytes ext = extStart == std::string_view::npos ? Bytes() : path.substr(extStart);
    if (DropDot == 1 && !ext.empty()) ext = ext.substr(1);

    RaiseString(onPath, path.substr(0, nameStart));
    if (PathBehindName == 1) {
        TData whole, named;
        SetString(whole, path);
        SetString(named, name);
        named.Next = &whole;
        RaiseEvent(onName, named);
    } else {
        RaiseString(onName, name);
    }
    RaiseString(onExt, ext);
}

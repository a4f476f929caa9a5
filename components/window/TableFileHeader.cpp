#include "components/window/TableFileHeader.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "objlib/TStrList.h"
#include "runtime/Data.h"

TableFileHeader ReadTableFileHeader(std::string_view line, char delimiter, char colorDelimiter) {
    TableFileHeader header;
    std::string_view list = line;
    if (line.find(colorDelimiter) != std::string_view::npos) {
        std::string_view fields[4];
        size_t start = 0;
        for (std::string_view& field : fields) {
            const size_t end = std::min(line.find(colorDelimiter, start), line.size());
            field = line.substr(start, end - start);
            start = std::min(end + 1, line.size());
        }
        list = line.substr(start);
        if (std::none_of(std::begin(fields), std::end(fields), [](std::string_view f) { return f.empty(); })) {
            header.HasColors = true;
            header.TextColor = static_cast<uint32_t>(StrToInteger(fields[0]));
            header.TextBkColor = static_cast<uint32_t>(StrToInteger(fields[1]));
            header.BkColor = static_cast<uint32_t>(StrToInteger(fields[2]));
        }
    }
    std::string captions;
    for (char c : list) {
        if (c == colorDelimiter) continue;
        captions += c == delimiter ? '\n' : c;
    }
    header.ColumnList = Bytes(captions);
    return header;
}

std::vector<Bytes> ColumnCaptions(const Bytes& columnList) {
    TStrList list;
    list.SetText(columnList, false);
    std::vector<Bytes> captions;
    for (int i = 0; i < list.Count(); ++i) {
        const Bytes line = list.Get(i);
        if (!line.empty()) captions.push_back(line.substr(0, line.view().find('=')));
    }
    return captions;
}

#include "files/comparetext.h"

#include "model/encoding.h"
#include "files/textfile.h"

namespace vesk {

namespace {

// A field in double quotes; a double quote inside it is doubled.
std::string quoted(const std::string& text)
{
    std::string s = "\"";
    for (char c : text) {
        if (c == '"')
            s += '"';
        s += c;
    }
    return s + "\"";
}

std::string quotedLine(const std::string& text) { return text.empty() ? std::string() : quoted(text); }

}  // namespace

std::vector<std::string> CompareTextLines(const CompareDoc& doc)
{
    std::vector<std::string> lines;
    for (const DocItem& it : doc.items) {
        if (it.kind == DocItem::Line) {
            lines.push_back(quotedLine(it.text));
        } else if (it.kind == DocItem::Warning) {
            lines.push_back(it.text.empty() ? std::string() : quoted("Warning: " + it.text));
        } else {
            // The heading row has every field quoted, the others only the label.
            const auto& cells = doc.text[static_cast<std::size_t>(it.row)];
            std::string s = quoted(cells[0]);
            for (int k = 1; k <= doc.numColumns; ++k)
                s += "," + (it.row == 0 ? quoted(cells[static_cast<std::size_t>(k)]) : cells[static_cast<std::size_t>(k)]);
            lines.push_back(std::move(s));
        }
    }
    return lines;
}

std::string CompareTextBytes(const CompareDoc& doc)
{
    std::string bytes;
    for (const std::string& line : CompareTextLines(doc)) {
        auto encoded = Utf8ToCp1252(line);
        if (!encoded)
            return {};
        bytes += *encoded + "\r\n";
    }
    return bytes;
}

bool SaveCompareText(const std::string& path, const CompareDoc& doc, std::string* reason)
{
    const std::string failure = WriteTextFile(path, CompareTextLines(doc));
    if (reason)
        *reason = failure;
    return failure.empty();
}

}  // namespace vesk

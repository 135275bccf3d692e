#include "files/supportfile.h"

#include "model/globals.h"

namespace vesk {

void WriteSupportBlock(BinWriter& w, const SupportBlock& b)
{
    w.fixedStr(b.Name, kCaseNameLen);
    w.i16(b.Type);
    WriteRec(w, b.Rec);
    WriteRec(w, b.Def);
}

SupportBlock ReadSupportBlock(BinReader& rd, int numTypes)
{
    SupportBlock b;
    rd.fixedStr(b.Name, kCaseNameLen);
    b.Name = TrimTrailingBlanks(std::move(b.Name));
    rd.i16(b.Type);
    if (b.Type < 1 || b.Type > numTypes)
        throw ReadError("Support \"" + b.Name + "\" is of type " + std::to_string(b.Type) +
                        ", but config.txt defines only types 1 to " + std::to_string(numTypes) + ".");
    ReadRec(rd, b.Rec);
    RequireFinite(b.Rec, "Support \"" + b.Name + "\" holds");
    ReadRec(rd, b.Def);
    RequireFinite(b.Def, "The default values of support \"" + b.Name + "\" hold");
    return b;
}

std::size_t EncodedSize(const SupportBlock& b)
{
    return kCaseNameLen + 2 + EncodedSize(b.Rec) + EncodedSize(b.Def);
}

std::string EncodeSupport(const SupportBlock& b)
{
    BinWriter w;
    w.reserve(EncodedSize(b));
    WriteSupportBlock(w, b);
    return w.take();
}

SupportBlock DecodeSupport(std::string_view bytes, int numTypes)
{
    BinReader rd(bytes);
    return ReadSupportBlock(rd, numTypes);
}

FileCommandResult ReadFileForOpen(const std::string& path, std::string& bytes)
{
    std::error_code ec;
    auto data = ReadBinaryFile(path, &ec);
    if (!data) {
        if (ec == std::errc::no_such_file_or_directory)
            return {FileCommandStatus::NotFound, "", "", ec.message()};
        return ReadFailure(path, PlainReason(ec));
    }
    bytes = std::move(*data);
    return {};
}

FileCommandResult SaveSupportFile(const std::string& path, int caseNo)
{
    if (caseNo < 1 || caseNo > G.NumCases)
        return {FileCommandStatus::Refused, kSelectSupportText, "Attention", "no current support"};
    SupportBlock b{G.CaseName[caseNo], G.CaseType[caseNo], G.Cases[caseNo], G.DefCases[caseNo]};
    b.Rec.Updated = 0;  // a support read from a file must be designed again
    if (auto r = SaveEncoded(path, [&] { return EncodeSupport(b); }); !r.ok())
        return r;
    G.Cases[caseNo].Updated = 0;
    return {};
}

FileCommandResult OpenSupportFile(const std::string& path)
{
    if (G.NumCases >= 10)
        return {FileCommandStatus::Refused, kMaxSupportsText, "Attention", "support list full"};
    std::string bytes;
    if (FileCommandResult r = ReadFileForOpen(path, bytes); !r.ok())
        return r;
    SupportBlock b;
    try {
        b = DecodeSupport(bytes, G.NumTypes);
    } catch (const ReadError& e) {
        return ReadFailure(path, e.what());
    }
    const int16_t n = static_cast<int16_t>(G.NumCases + 1);
    b.Rec.Updated = 0;
    G.CaseName[n] = std::move(b.Name);
    G.CaseType[n] = b.Type;
    G.Cases[n] = std::move(b.Rec);
    G.DefCases[n] = std::move(b.Def);
    G.NumCases = n;
    G.CurCaseNo = n;
    G.CurType = G.CaseType[n];
    return {};
}

}  // namespace vesk

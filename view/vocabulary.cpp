#include "view/vocabulary.h"

#include "view/format_thousands.h"

const char* TransferMark(Transfer transfer)
{
    switch (transfer) {
    case Transfer::Down: return "↓";
    case Transfer::Up: return "↑";
    case Transfer::Held: return "！";
    case Transfer::Undecided: return "？";
    default: return "=";
    }
}

std::string ChosenTransferMark(Transfer transfer)
{
    return std::string(TransferMark(transfer)) + "＊";
}

const char* StateMark(EntryStatus status, Transfer transfer)
{
    if (transfer == Transfer::None)
        return "";
    if (status == Same) // undecided: one time and size, other contents
        return "≠";
    return (status == BaseOnly || status == TargetOnly) ? "×" : "△";
}

const char* DirectionMark(int direction)
{
    switch (direction) {
    case Down: return "↓";
    case Up: return "↑";
    case Both: return "↓↑";
    default: return "?";
    }
}

const char* PanelTitle(PanelKind kind)
{
    switch (kind) {
    case PanelKind::Transfer: return "転送";
    case PanelKind::Base: return "基本フォルダ";
    default: return "対象フォルダ";
    }
}

const char* StatusWord(PanelStatus status)
{
    switch (status) {
    case PanelStatus::Ok: return "OK";
    case PanelStatus::Error: return "ERROR";
    default: return "READY";
    }
}

std::span<const char* const> CaptionsOf(PanelKind kind)
{
    if (kind == PanelKind::Transfer)
        return kTransferCaptions;
    return kFolderCaptions;
}

std::string FilesFoundLabel(std::uint64_t files)
{
    return "リスト作成中… " + FormatThousands(static_cast<std::int64_t>(files)) + " 件";
}

std::string BytesComparedLabel(std::uint64_t compared, std::uint64_t total)
{
    auto megabytes = [](std::uint64_t bytes) {
        return FormatThousands(static_cast<std::int64_t>((bytes + (1 << 20) - 1) >> 20));
    };
    return "内容を比較中… " + megabytes(compared) + " / " + megabytes(total) + " MB";
}

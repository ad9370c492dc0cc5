// The marks and words that the result list, the summary panels and the
// command-line report show. Each is written here once; every other layer asks
// for them by meaning.
#pragma once
#include "engine/file_entry.h"
#include "engine/sync_direction.h"
#include "engine/transfer.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// The result list's columns, in order, and their titles.
enum ResultColumn {
    kNumberColumn = 0, kTransferColumn, kStateColumn, kBaseTimeColumn, kTargetTimeColumn,
    kBaseSizeColumn, kTargetSizeColumn, kPathColumn, kColumnCount
};
inline constexpr std::array<const char*, kColumnCount> kColumnTitles = {
    "番号", "転送", "状態", "基本日時", "対象日時", "基本サイズ", "対象サイズ", "パス"};

// "↓", "↑", "=", "！" (held back) or "？" (undecided) in the transfer column.
const char* TransferMark(Transfer transfer);
// The mark of a row the user chose for: "↓＊", "↑＊" or "=＊".
std::string ChosenTransferMark(Transfer transfer);
// "×" for a file on one side only, "△" for the newer of a pair, "≠" for a pair
// of one time and size but other contents, nothing for "=".
const char* StateMark(EntryStatus status, Transfer transfer);
// A favourite's direction: "↓", "↑" or "↓↑" ("?" for a number no direction has).
const char* DirectionMark(int direction);

// The progress popup's label during a list build and during a copy, and the
// one message of a time that could not be converted.
inline constexpr const char* kListProgressLabel = "リスト作成中です";
inline constexpr const char* kSyncProgressLabel = "同期中です";
inline constexpr const char* kConversionFailureText = "変換失敗";
// The list build's label once its scan has counted files: "リスト作成中… 12,345 件".
std::string FilesFoundLabel(std::uint64_t files);
// The label while pairs are compared by content: "内容を比較中… 123 / 500 MB".
std::string BytesComparedLabel(std::uint64_t compared, std::uint64_t total);

// The three summary panels, left to right on the window.
enum class PanelKind { Transfer, Base, Target };
inline constexpr std::array<PanelKind, 3> kPanels = {PanelKind::Transfer, PanelKind::Base, PanelKind::Target};
// "転送", "基本フォルダ", "対象フォルダ".
const char* PanelTitle(PanelKind kind);

// A panel adds up ("OK"), does not ("ERROR"), or has no list yet ("READY").
enum class PanelStatus { Ready, Ok, Error };
const char* StatusWord(PanelStatus status);

// The rows of each panel, in order. A panel's values are indexed by these, and
// their number fixes the size of the value arrays.
enum TransferRow { kTransferTotal, kTransferSum, kTransferDown, kTransferUp, kTransferSame, kTransferRowCount };
enum FolderRow { kFolderTotal, kFolderSum, kFolderSame, kFolderOnly, kFolderNewer, kFolderOlder, kFolderRowCount };

inline constexpr std::array<const char*, kTransferRowCount> kTransferCaptions = {"総数", "合計", "↓　転送", "↑　転送",
                                                                                  "＝"};
inline constexpr std::array<const char*, kFolderRowCount> kFolderCaptions = {"総数", "合計", "＝", "×", "△", "▲"};

// The captions of a panel's rows, in order.
std::span<const char* const> CaptionsOf(PanelKind kind);

#include "directory_pages.h"

#include <string>
#include <vector>

namespace pictures {
namespace {

using tandrel::DirectoryList;
using tandrel::Piece;
using tandrel::PieceKind;

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void Append(std::string& cell, std::string_view text, std::string_view joint) {
    if (text.empty()) return;
    if (!cell.empty()) cell.append(joint);
    cell.append(text);
}

// One group tag / address / VLAN triple of a row.
struct Entry {
    std::string group;
    std::string address;
    std::string vlan;
};

struct SplitRow {
    std::string number;
    std::string name;  // the DSLAM name, or the words of an OTHERS row
    std::vector<Entry> entries;
};

// 3M rows repeat "[group] address VLAN"; a group or address that follows a
// VLAN opens the second entry. The other lists have one entry per row.
SplitRow Split(std::span<const Piece> pieces, bool repeatingEntries) {
    SplitRow row;
    row.entries.emplace_back();
    for (const Piece& piece : pieces) {
        Entry& entry = row.entries.back();
        const bool opensEntry = repeatingEntries && !entry.vlan.empty() &&
                                (piece.kind == PieceKind::Group || piece.kind == PieceKind::Address);
        if (opensEntry) row.entries.emplace_back();
        Entry& current = row.entries.back();
        switch (piece.kind) {
            case PieceKind::Number: Append(row.number, Trimmed(piece.text), " "); break;
            case PieceKind::Name: Append(row.name, Trimmed(piece.text), " "); break;
            case PieceKind::Text: Append(row.name, Trimmed(piece.text), "   "); break;
            case PieceKind::Group: Append(current.group, Trimmed(piece.text), ", "); break;
            case PieceKind::Vlan: Append(current.vlan, Trimmed(piece.text), ", "); break;
            case PieceKind::Address: Append(current.address, Trimmed(piece.address.Text()), ", "); break;
            case PieceKind::Gap: break;
        }
    }
    return row;
}

std::string Lines(const std::vector<Entry>& entries, std::string Entry::*field) {
    std::string cell;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i > 0) cell += '\n';
        cell += entries[i].*field;
    }
    return cell;
}

std::vector<PageColumn> ColumnsOf(DirectoryList list) {
    switch (list) {
        case DirectoryList::PondyP2:
        case DirectoryList::OkpP2:
            return {{"No."}, {"DSLAM", true}, {"DSLAM VLAN(S)"}, {"ADDRESS", true}, {"GROUP"}};
        case DirectoryList::Mp:
        case DirectoryList::ThreeM:
            return {{"No."}, {"DSLAM", true}, {"GROUP"}, {"ADDRESS", true}, {"DSLAM VLAN"}};
        case DirectoryList::Others:
            break;
    }
    return {{"No."}, {"LINK", true}, {"ADDRESS", true}};
}

std::vector<std::string> CellsOf(DirectoryList list, const SplitRow& row) {
    const auto& entries = row.entries;
    switch (list) {
        case DirectoryList::PondyP2:
        case DirectoryList::OkpP2:
            return {row.number, row.name, Lines(entries, &Entry::vlan), Lines(entries, &Entry::address),
                    Lines(entries, &Entry::group)};
        case DirectoryList::Mp:
        case DirectoryList::ThreeM:
            return {row.number, row.name, Lines(entries, &Entry::group), Lines(entries, &Entry::address),
                    Lines(entries, &Entry::vlan)};
        case DirectoryList::Others:
            break;
    }
    return {row.number, row.name, Lines(entries, &Entry::address)};
}

}  // namespace

PageTable DirectoryPageTable(DirectoryList list, std::string_view title) {
    PageTable table;
    table.title = std::string(title);
    table.note = std::string(kDirectoryNote);
    table.columns = ColumnsOf(list);
    bool firstNotice = true;
    for (const tandrel::DirectoryNotice& notice : tandrel::NoticesOf(list)) {
        bool firstRow = true;
        for (const tandrel::DirectoryRow& directoryRow : notice.rows) {
            const SplitRow row = Split(directoryRow.pieces, list == DirectoryList::ThreeM);
            table.rows.push_back({CellsOf(list, row), firstRow && !firstNotice});
            firstRow = false;
        }
        firstNotice = false;
    }
    return table;
}

}  // namespace pictures

#pragma once

#include <span>
#include <string>
#include <string_view>

// The DSLAM directory lists as one table of rows. Each row is a run of
// tagged pieces whose texts, joined with nothing in between, give the row's
// exact notice text; the tags let other views (the reference pictures) pick
// out the row number, DSLAM name, VLANs, group tag and address of each row.
// No window toolkit here.
namespace tandrel {

enum class PieceKind { Number, Name, Vlan, Group, Address, Text, Gap };

// An address text: one IPv4 address; or a full address, a separator and the
// last number of a second one; or a full address and ",n,m".
struct AddressText {
    std::string_view first;           // "192.0.2.10"
    std::string_view separator = {};  // " , " when a second address follows
    std::string_view second = {};     // last number only: "11"
    std::string_view third = {};      // last number only, joined by ","

    std::string Text() const;
};

struct Piece {
    PieceKind kind = PieceKind::Gap;
    std::string_view text = {};  // every kind but Address
    AddressText address = {};    // Address only
};

struct DirectoryRow {
    std::span<const Piece> pieces;
    std::string Text() const;
};

enum class DirectoryList { PondyP2, OkpP2, Mp, ThreeM, Others };

// One notice: the rows it shows, in order.
struct DirectoryNotice {
    DirectoryList list;
    std::span<const DirectoryRow> rows;
    std::string Text() const;
};

// The seven notices in button order: PONDY-P2, OKP-P2, MP (two), 3M (two), OTHERS.
std::span<const DirectoryNotice> DirectoryNotices();

// The notices of one list, in the order they are shown.
std::span<const DirectoryNotice> NoticesOf(DirectoryList list);

}  // namespace tandrel

// A saved game: exactly what one file in Saves/ holds, and the saves list beside it.
//
// The file, integers little-endian and packed:
//   0  White's name, 32 bytes, zero-terminated (at most 31 characters; the rest written as zeros)
//  32  White's player type, 4 bytes (0 Human, 1 Initiate, 2 Disciple, 3 Champion)
//  36  Black's name, 32 bytes
//  68  Black's player type, 4 bytes
//  72  match kind, 1 byte (1 tournament, 0 otherwise)
//  73  arena kind, 4 bytes (1 Mist Mountain, 2 Dungeon, anything else River Of Life; in a tournament
//      also the stage reached)
//  77  turn, 1 byte (0 White to move, 1 Black)
//  78  one 14-byte record per occupied square, row-major, to the end of the file:
//      row (4), column (4), side (1), kind (4), neverMoved (1)
// A match saved right after set-up is 78 + 32 * 14 = 526 bytes.
//
// Saving never loses a saved game: the file is written under a temporary name in Saves/ and renamed
// over the old one, and only then is the name appended to the saves list "Saves/SavesList.csl" (one
// name per line, each ending CR LF, oldest first, a name saved again listed again). A game that the
// loader would refuse is never written.
//
// Loading trusts nothing in the file: it reads whole fields only, ignores a record cut short at the
// end, and refuses a file shorter than the fixed part, a player type outside 0-3, a match kind or
// turn other than 0 or 1, a square off the board, a kind outside 0-5, a side or neverMoved byte
// other than 0 or 1, two pieces on one square, or a side without a king. Reading changes nothing in
// Saves/. The Load Game screen reads a listed save with the same Load as the game screen, so it
// refuses exactly the files the game screen would and can say why before any match is set up.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CChessBoard;
class CPlayer;

class CSavedGame {
public:
  static constexpr int kNameFieldSize = 32;
  static constexpr size_t kFixedPartSize = 78;
  static constexpr size_t kRecordSize = 14;
  static constexpr size_t kMaxSaveNameLength = 14;
  // The folder and the list, relative to the working folder. The game never creates the folder.
  static const char *const kSavesFolder;
  static const char *const kSavesListPath;

  struct PieceRecord {
    int32_t row = 0;
    int32_t column = 0;
    uint8_t side = 0;
    int32_t kind = 0;
    uint8_t neverMoved = 0;
  };

  // Always zero-terminated and zero-padded.
  char whiteName[kNameFieldSize] = {};
  int32_t whiteType = 0;
  char blackName[kNameFieldSize] = {};
  int32_t blackType = 0;
  uint8_t isTournament = 0;
  // Kept as read: values other than 1 and 2 stand for River Of Life.
  int32_t arenaKind = 0;
  uint8_t turn = 0;
  // At most one per square; row-major in a game built here or read from a file.
  std::vector<PieceRecord> pieces;

  // --- Building and placing -------------------------------------------------------------------
  // The match as it stands: the board's pieces row-major (a piece in the middle of a move on the
  // square it has reached so far), the two players (White first), the match kind, arena kind and
  // side to move. Names longer than 31 characters are cut.
  static CSavedGame FromMatch(const CChessBoard &board, const CPlayer &white, const CPlayer &black,
                              uint8_t isTournament, int32_t arenaKind, uint8_t turn);
  static CSavedGame FromMatch(const CChessBoard &board, const char *whiteName, int32_t whiteType,
                              const char *blackName, int32_t blackType, uint8_t isTournament,
                              int32_t arenaKind, uint8_t turn);

  // Empties the board (every piece deleted, screen positions recomputed, marks and the passed-pawn
  // record cleared) and puts the recorded pieces on it at rest, each with its side, kind and
  // neverMoved, and the pawn direction of its side (1 for Black, 0 for White). A record that is not
  // a valid piece on a free square is skipped.
  void PlaceOnto(CChessBoard &board) const;

  // --- The file -------------------------------------------------------------------------------
  // The file's bytes.
  std::vector<uint8_t> ToBytes() const;
  // Reads a file's bytes. On success fills `game`; on failure leaves it untouched and, when
  // `reason` is given, stores a short reason ("White has no king").
  static bool FromBytes(const uint8_t *data, size_t size, CSavedGame &game, std::string *reason = nullptr);

  // Writes the game as Saves/<saveName> (replacing an older save of that name) and then appends the
  // name to the saves list. Returns false, with a short reason, when the name is not 1-14 letters
  // and digits (an empty name writes nothing), when Saves/ does not exist, when this game would not
  // load back, or when writing fails; an older save of that name is then kept as it was, and the
  // list is not touched. Returns false as well when the file is in place but the list cannot be
  // appended to.
  bool Save(const std::string &saveName, std::string *reason = nullptr) const;

  // Reads Saves/<saveName>; the name must be 1-14 letters and digits. See FromBytes.
  static bool Load(const std::string &saveName, CSavedGame &game, std::string *reason = nullptr);
  // Reads a saved-game file at any path (the engine command takes one).
  static bool ReadFile(const std::string &path, CSavedGame &game, std::string *reason = nullptr);

  // --- Names and the saves list ----------------------------------------------------------------
  // 1 to 14 ASCII letters and digits: the only names ever used to make a file name.
  static bool IsValidSaveName(const std::string &name);

  // The names in the saves list, oldest first, each save listed once per time it was made. Lines
  // may end in CR LF, LF or CR; blank lines and lines that are not valid save names (too long,
  // other characters, binary junk) are skipped. A missing or unreadable list gives no names.
  static std::vector<std::string> ReadSavesList();
  // The same, newest first: the order the Load Game screen shows.
  static std::vector<std::string> ReadSavesListNewestFirst();
};

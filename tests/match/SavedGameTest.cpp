#include "match/CSavedGame.h"

#include "CTempFolder.h"
#include "TestFiles.h"
#include "TestPositions.h"
#include "players/CPlayer.h"
#include "rules/CPiece.h"
#include "rules/Fen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A player that never moves: the saved game only reads a player's name and type.
class CStillPlayer : public CPlayer {
public:
  CStillPlayer(Side s, const char *playerName, int32_t type)
      : CPlayer(s, s == White ? 0 : 1, playerName, type) {}
  bool GetMove(CChessBoard &, CMouse &) override { return false; }
};

std::vector<uint8_t> FileBytes(const std::string &file) {
  const std::string text = ReadTextFile(file);
  return std::vector<uint8_t>(text.begin(), text.end());
}

void Set32(std::vector<uint8_t> &bytes, size_t at, int32_t value) {
  for (int i = 0; i < 4; ++i)
    bytes[at + i] = static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i));
}

// Offset of field `offset` in the record of piece `index`.
size_t RecordAt(size_t index, size_t offset) {
  return CSavedGame::kFixedPartSize + index * CSavedGame::kRecordSize + offset;
}

// Every entry below `folder`: file contents, "dir", or where a link points.
std::map<std::string, std::string> Snapshot(const std::string &folder) {
  std::map<std::string, std::string> entries;
  if (!fs::exists(folder)) return entries;
  for (const fs::directory_entry &entry : fs::recursive_directory_iterator(folder)) {
    const std::string path = entry.path().string();
    if (entry.is_symlink())
      entries[path] = "link to " + fs::read_symlink(entry.path()).string();
    else if (entry.is_directory())
      entries[path] = "dir";
    else if (entry.is_regular_file())
      entries[path] = ReadTextFile(path);
    else
      entries[path] = "other";
  }
  return entries;
}

// The starting position between a human White and a computer Black on the Dungeon board.
CSavedGame StartingGame() {
  CChessBoard board;
  board.SetUpStartingPosition(true);
  return CSavedGame::FromMatch(board, "Sir Perrin", Human, "Talvine", Champion, 0, 2, 0);
}

class SavedGameTest : public ::testing::Test {
protected:
  void SetUp() override { fs::create_directory("Saves"); }
  CTempFolder folder;
};

} // namespace

TEST_F(SavedGameTest, StartingPositionIsWrittenByteForByte) {
  CChessBoard board;
  board.SetUpStartingPosition(true);
  CStillPlayer white(White, "Sir Perrin", Human), black(Black, "Talvine", Champion);
  white.name[20] = 'x'; // junk after the terminating zero is not written out
  ASSERT_TRUE(CSavedGame::FromMatch(board, white, black, 1, 2, 0).Save("Opening"));

  const std::vector<uint8_t> bytes = FileBytes("Saves/Opening");
  ASSERT_EQ(bytes.size(), 526u);
  std::vector<uint8_t> fixed(78, 0);
  std::memcpy(fixed.data(), "Sir Perrin", 10);
  std::memcpy(fixed.data() + 36, "Talvine", 7);
  fixed[68] = 3; // Black: Champion
  fixed[72] = 1; // tournament
  fixed[73] = 2; // Dungeon
  fixed[77] = 0; // White to move
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 78), fixed);

  const auto record = [&](size_t index) {
    const size_t at = RecordAt(index, 0);
    return std::vector<uint8_t>(bytes.begin() + at, bytes.begin() + at + 14);
  };
  // Row 0 column 0 first: Black's rook; White's king (7, 3) is the 28th record; White's rook (7, 7)
  // the last.
  EXPECT_EQ(record(0), (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 0, 0, 0, 1}));
  EXPECT_EQ(record(16), (std::vector<uint8_t>{6, 0, 0, 0, 0, 0, 0, 0, 0, 5, 0, 0, 0, 1}));
  EXPECT_EQ(record(27), (std::vector<uint8_t>{7, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
  EXPECT_EQ(record(31), (std::vector<uint8_t>{7, 0, 0, 0, 7, 0, 0, 0, 0, 2, 0, 0, 0, 1}));
  EXPECT_EQ(ReadTextFile("Saves/SavesList.csl"), "Opening\r\n");
}

TEST_F(SavedGameTest, RoundTripRebuildsPositionSideToMoveAndDirections) {
  // Black to move after e2-e4: castling rights on one wing only, moved pieces, a pawn that has just
  // advanced two squares (which the saved game does not keep).
  Side side = White;
  auto played = BoardFromFen("r3k2r/pp1q1ppp/2n5/8/4P3/5N2/PPP2PPP/R3K2R b Kq e3 0 1", &side);
  ASSERT_NE(played->passedPawnRow, kNoSquare);
  const CSavedGame saved = CSavedGame::FromMatch(*played, "Ada", Human, "King Osric", Disciple, 0, 3, 1);
  ASSERT_TRUE(saved.Save("Middle1"));

  CSavedGame loaded;
  std::string reason;
  ASSERT_TRUE(CSavedGame::Load("Middle1", loaded, &reason)) << reason;
  EXPECT_STREQ(loaded.whiteName, "Ada");
  EXPECT_EQ(loaded.whiteType, Human);
  EXPECT_STREQ(loaded.blackName, "King Osric");
  EXPECT_EQ(loaded.blackType, Disciple);
  EXPECT_EQ(loaded.isTournament, 0);
  EXPECT_EQ(loaded.arenaKind, 3);
  EXPECT_EQ(loaded.turn, 1);

  // Onto a board that still holds an old match, a mark and a passed pawn.
  CChessBoard board;
  board.SetUpStartingPosition(true);
  board.Square(4, 4).marked = 1;
  board.passedPawnRow = 4;
  board.passedPawnCol = 4;
  loaded.PlaceOnto(board);
  EXPECT_EQ(ToFen(board, Black), "r3k2r/pp1q1ppp/2n5/8/4P3/5N2/PPP2PPP/R3K2R b Kq - 0 1");
  EXPECT_EQ(board.passedPawnRow, kNoSquare);
  EXPECT_EQ(board.passedPawnCol, kNoSquare);
  for (int32_t row = 0; row < kBoardSize; ++row) {
    for (int32_t column = 0; column < kBoardSize; ++column) {
      const CBoardSquare &square = board.Square(row, column);
      EXPECT_EQ(square.marked, 0);
      const CPiece *piece = square.piece;
      const CPiece *original = played->PieceAt(row, column);
      ASSERT_EQ(piece == nullptr, original == nullptr) << SquareName(row, column);
      if (!piece) continue;
      EXPECT_EQ(piece->neverMoved, original->neverMoved) << SquareName(row, column);
      EXPECT_EQ(piece->direction, piece->side == Black ? 1 : 0) << SquareName(row, column);
      EXPECT_EQ(piece->screenX, square.screenX + 12);
      EXPECT_EQ(piece->screenY, square.screenY - 54);
    }
  }
}

TEST_F(SavedGameTest, SavingTwiceKeepsOneFileAndListsTheNameTwice) {
  // A list edited by hand without its last line break still gets the new name on a line of its own.
  WriteBytes("Saves/SavesList.csl", {'O', 'l', 'd'});
  CSavedGame game = StartingGame();
  ASSERT_TRUE(game.Save("Twice"));
  game.turn = 1;
  ASSERT_TRUE(game.Save("Twice"));

  std::vector<std::string> files;
  for (const fs::directory_entry &entry : fs::directory_iterator("Saves"))
    files.push_back(entry.path().filename().string());
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, (std::vector<std::string>{"SavesList.csl", "Twice"}));
  EXPECT_EQ(ReadTextFile("Saves/SavesList.csl"), "Old\r\nTwice\r\nTwice\r\n");
  CSavedGame loaded;
  ASSERT_TRUE(CSavedGame::Load("Twice", loaded));
  EXPECT_EQ(loaded.turn, 1);
}

TEST_F(SavedGameTest, FailedSaveChangesNothingInSaves) {
  const std::vector<uint8_t> older = StartingGame().ToBytes();
  const auto olderSave = [&]() {
    WriteBytes("Saves/Kept", older);
    WriteBytes("Saves/SavesList.csl", {'K', 'e', 'p', 't', '\r', '\n'});
  };
  // What a failed save would have written differs from the older save it must keep.
  CSavedGame newer = StartingGame();
  newer.turn = 1;
  CChessBoard noBlackKing;
  noBlackKing.SetUpStartingPosition(true);
  noBlackKing.ClearSquare(0, 3);
  struct Case {
    const char *what;
    std::function<void()> prepare;
    std::string name;
    CSavedGame game;
  };
  const Case cases[] = {
      {"empty name", olderSave, "", newer},
      {"name with a space", olderSave, "My Game", newer},
      {"name leaving the folder", olderSave, "../Kept", newer},
      {"name of 15 characters", olderSave, "ABCDEFGHIJKLMNO", newer},
      {"temporary name taken by a folder",
       [&]() {
         olderSave();
         fs::create_directory("Saves/Kept.saving");
       },
       "Kept", newer},
      {"temporary name is a link",
       [&]() {
         olderSave();
         WriteBytes("Elsewhere", {'x'});
         fs::create_symlink("../Elsewhere", "Saves/Kept.saving");
       },
       "Kept", newer},
      {"save name taken by a folder",
       [&]() {
         olderSave();
         fs::create_directory("Saves/Folder");
       },
       "Folder", newer},
      {"game that would not load back", olderSave, "Kept",
       CSavedGame::FromMatch(noBlackKing, "A", Human, "B", Human, 0, 1, 0)},
      {"no Saves folder", []() { fs::remove_all("Saves"); }, "Kept", newer},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all("Saves");
    fs::create_directory("Saves");
    c.prepare();
    const auto before = Snapshot("Saves");
    std::string reason;
    EXPECT_FALSE(c.game.Save(c.name, &reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(Snapshot("Saves"), before);
    EXPECT_EQ(fs::exists("Saves"), !before.empty()); // the folder is never made
  }
  EXPECT_EQ(ReadTextFile("Elsewhere"), "x"); // nothing written through the link
}

TEST_F(SavedGameTest, ListThatCannotBeAppendedToIsReportedAfterTheFileIsInPlace) {
  fs::create_directory("Saves/SavesList.csl");
  std::string reason;
  EXPECT_FALSE(StartingGame().Save("Unlisted", &reason));
  EXPECT_NE(reason.find("saves list"), std::string::npos);
  EXPECT_EQ(FileBytes("Saves/Unlisted"), StartingGame().ToBytes());
}

TEST_F(SavedGameTest, DamagedOrMissingFilesAreRefusedWithAReason) {
  const std::vector<uint8_t> good = StartingGame().ToBytes();
  const auto changed = [&](const std::function<void(std::vector<uint8_t> &)> &change) {
    std::vector<uint8_t> bytes = good;
    change(bytes);
    return bytes;
  };
  const auto cut = [&](size_t size) { return std::vector<uint8_t>(good.begin(), good.begin() + size); };
  struct Case {
    const char *what;
    std::vector<uint8_t> bytes;
    const char *reason;
  };
  const Case cases[] = {
      {"empty", {}, "the file is too short"},
      {"77 bytes", cut(77), "the file is too short"},
      {"cut inside a record before White's king", cut(RecordAt(27, 5)), "White has no king"},
      {"White's type 4", changed([](auto &b) { Set32(b, 32, 4); }), "White's player type is not valid"},
      {"Black's type -1", changed([](auto &b) { Set32(b, 68, -1); }), "Black's player type is not valid"},
      {"match kind 2", changed([](auto &b) { b[72] = 2; }), "the match kind is not valid"},
      {"turn 2", changed([](auto &b) { b[77] = 2; }), "the side to move is not valid"},
      {"row 8", changed([](auto &b) { Set32(b, RecordAt(5, 0), 8); }), "a piece stands off the board"},
      {"column -1", changed([](auto &b) { Set32(b, RecordAt(5, 4), -1); }), "a piece stands off the board"},
      {"kind 6", changed([](auto &b) { Set32(b, RecordAt(5, 9), 6); }), "a piece is of no known kind"},
      {"side 2", changed([](auto &b) { b[RecordAt(5, 8)] = 2; }), "a piece belongs to neither side"},
      {"never-moved 2", changed([](auto &b) { b[RecordAt(5, 13)] = 2; }),
       "a piece's moved mark is not valid"},
      {"two pieces on one square", changed([](auto &b) { Set32(b, RecordAt(1, 4), 0); }),
       "two pieces stand on one square"},
      {"no black king", changed([](auto &b) { Set32(b, RecordAt(3, 9), Queen); }), "Black has no king"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    WriteBytes("Saves/Damaged", c.bytes);
    const auto before = Snapshot("Saves");
    CSavedGame game;
    game.arenaKind = 42;
    std::string reason;
    EXPECT_FALSE(CSavedGame::Load("Damaged", game, &reason));
    EXPECT_EQ(reason, c.reason);
    EXPECT_EQ(game.arenaKind, 42); // untouched
    EXPECT_TRUE(game.pieces.empty());
    EXPECT_EQ(Snapshot("Saves"), before);
  }

  // What is not a saved-game file at all.
  fs::create_directory("Saves/Folder");
  ASSERT_EQ(mkfifo("Saves/Pipe", 0644), 0); // must not wait for a writer
  struct Missing {
    const char *name;
    const char *reason;
  };
  for (const Missing &m :
       {Missing{"Gone", "there is no such saved game"}, Missing{"Folder", "that is not a saved-game file"},
        Missing{"Pipe", "that is not a saved-game file"},
        Missing{"../Saves/Damaged", "that is not a save name"}, Missing{"", "that is not a save name"}}) {
    SCOPED_TRACE(m.name);
    CSavedGame game;
    std::string reason;
    EXPECT_FALSE(CSavedGame::Load(m.name, game, &reason));
    EXPECT_EQ(reason, m.reason);
  }
}

TEST_F(SavedGameTest, OddButSoundFilesLoad) {
  const std::vector<uint8_t> good = StartingGame().ToBytes();
  // Arena kinds other than 1 and 2 are kept as read (they stand for River Of Life), read
  // little-endian.
  for (const int32_t arena : {0, 7, -5, 0x01020304}) {
    std::vector<uint8_t> bytes = good;
    Set32(bytes, 73, arena);
    CSavedGame game;
    ASSERT_TRUE(CSavedGame::FromBytes(bytes.data(), bytes.size(), game));
    EXPECT_EQ(game.arenaKind, arena);
  }

  // A record cut short at the end is not read; the rest of the game is.
  CSavedGame cut;
  ASSERT_TRUE(CSavedGame::FromBytes(good.data(), good.size() - 1, cut));
  EXPECT_EQ(cut.pieces.size(), 31u);

  // A name field with no terminating zero gives 31 characters; bytes after a zero are ignored.
  std::vector<uint8_t> names = good;
  std::memset(names.data(), 'A', 32);
  std::memcpy(names.data() + 36, "Maud\0junk", 9);
  CSavedGame named;
  ASSERT_TRUE(CSavedGame::FromBytes(names.data(), names.size(), named));
  EXPECT_EQ(std::string(named.whiteName), std::string(31, 'A'));
  EXPECT_STREQ(named.blackName, "Maud");
  EXPECT_EQ(named.ToBytes()[31], 0);
  EXPECT_EQ(named.ToBytes()[41], 0);

  // Records in any order are kept row-major; a full board of 64 pieces is the most a file holds.
  std::vector<uint8_t> full(good.begin(), good.begin() + 78);
  for (int index = kSquareCount - 1; index >= 0; --index) {
    std::vector<uint8_t> record(14, 0);
    Set32(record, 0, index / 8);
    Set32(record, 4, index % 8);
    record[8] = index < 32 ? 1 : 0;
    Set32(record, 9, index == 3 || index == 59 ? King : Pawn);
    full.insert(full.end(), record.begin(), record.end());
  }
  CSavedGame crowded;
  std::string reason;
  ASSERT_TRUE(CSavedGame::FromBytes(full.data(), full.size(), crowded, &reason)) << reason;
  ASSERT_EQ(crowded.pieces.size(), 64u);
  EXPECT_EQ(crowded.pieces.front().row, 0);
  EXPECT_EQ(crowded.pieces.back().row, 7);
  // One record more can only repeat a square.
  const std::vector<uint8_t> last(full.end() - 14, full.end());
  full.insert(full.end(), last.begin(), last.end());
  EXPECT_FALSE(CSavedGame::FromBytes(full.data(), full.size(), crowded, &reason));
  EXPECT_EQ(reason, "two pieces stand on one square");
}

TEST_F(SavedGameTest, RandomAndMangledFilesNeverGiveABadBoard) {
  std::mt19937 rng(20240607);
  const std::vector<uint8_t> good = StartingGame().ToBytes();
  const auto check = [&](const std::vector<uint8_t> &bytes, bool throughFile) {
    CSavedGame game;
    std::string reason;
    bool loaded;
    if (throughFile) {
      WriteBytes("Saves/Random", bytes);
      loaded = CSavedGame::Load("Random", game, &reason);
    } else {
      // Exactly as long as the data, so a read past its end is caught.
      const std::unique_ptr<uint8_t[]> exact(new uint8_t[bytes.size()]);
      if (!bytes.empty()) std::memcpy(exact.get(), bytes.data(), bytes.size());
      loaded = CSavedGame::FromBytes(exact.get(), bytes.size(), game, &reason);
    }
    CChessBoard board;
    board.RemoveAllPieces();
    if (!loaded) {
      EXPECT_FALSE(reason.empty());
      EXPECT_TRUE(game.pieces.empty());
      return;
    }
    game.PlaceOnto(board);
    int count = 0, kings[2] = {0, 0};
    for (const CBoardSquare &square : board.squares) {
      if (!square.piece) continue;
      ++count;
      if (square.piece->kind == King) ++kings[square.piece->side];
    }
    EXPECT_EQ(static_cast<size_t>(count), game.pieces.size());
    EXPECT_GE(kings[White], 1);
    EXPECT_GE(kings[Black], 1);
    EXPECT_LE(game.whiteType, 3);
    EXPECT_LE(game.turn, 1);
  };
  for (int i = 0; i < 300; ++i) {
    SCOPED_TRACE(i);
    // Pure noise of any length.
    std::vector<uint8_t> noise(rng() % 1200);
    for (uint8_t &byte : noise)
      byte = static_cast<uint8_t>(rng());
    check(noise, i % 10 == 0);
    // A good file with a few bytes changed and cut anywhere.
    std::vector<uint8_t> mangled = good;
    for (int flips = 1 + rng() % 4; flips > 0; --flips)
      mangled[rng() % mangled.size()] = static_cast<uint8_t>(rng() % 3 == 0 ? rng() : rng() % 9);
    mangled.resize(rng() % (mangled.size() + 1));
    check(mangled, i % 10 == 5);
  }
  for (size_t size = 0; size <= good.size(); ++size)
    check(std::vector<uint8_t>(good.begin(), good.begin() + size), false);
}

TEST_F(SavedGameTest, PlaceOntoSkipsRecordsThatAreNotPieces) {
  CSavedGame game = StartingGame();
  game.pieces.push_back({9, 0, 0, Queen, 1}); // off the board
  game.pieces.push_back({4, 4, 0, 17, 1});    // no kind
  game.pieces.push_back({4, 5, 7, Queen, 1}); // no side
  game.pieces.push_back({0, 0, 0, Queen, 1}); // square taken
  CChessBoard board;
  game.PlaceOnto(board);
  int count = 0;
  for (const CBoardSquare &square : board.squares)
    count += square.piece ? 1 : 0;
  EXPECT_EQ(count, 32);
  EXPECT_EQ(board.PieceAt(0, 0)->kind, Rook);
}

TEST_F(SavedGameTest, SaveNamesAreLettersAndDigitsOnly) {
  for (const char *name : {"A", "Game1", "ABCDEFGHIJKLMN", "0"})
    EXPECT_TRUE(CSavedGame::IsValidSaveName(name)) << name;
  for (const char *name : {"", "ABCDEFGHIJKLMNO", "My Game", "a.b", "../x", "a/b", "\xc3\xa4", "-x"})
    EXPECT_FALSE(CSavedGame::IsValidSaveName(name)) << name;
}

TEST_F(SavedGameTest, SavesListReaderKeepsOnlyNamesAndSurvivesDamage) {
  using Names = std::vector<std::string>;
  struct Case {
    const char *what;
    std::string content;
    Names names;
  };
  const Case cases[] = {
      {"empty", "", {}},
      {"CR LF", "A\r\nB\r\nC\r\n", {"A", "B", "C"}},
      {"LF only", "A\nB\n", {"A", "B"}},
      {"CR only", "A\rB\r", {"A", "B"}},
      {"no final line break", "A\r\nB", {"A", "B"}},
      {"blank lines", "\r\n\r\nA\r\n\n\r\n", {"A"}},
      {"saved twice", "A\r\nA\r\n", {"A", "A"}},
      {"14 and 15 characters", "ABCDEFGHIJKLMN\r\nABCDEFGHIJKLMNO\r\nC\r\n", {"ABCDEFGHIJKLMN", "C"}},
      {"very long line", std::string(10000, 'x') + "\r\nB\r\n", {"B"}},
      {"not letters and digits", "my save\r\n../etc\r\na.b\r\nGood\r\n x\r\n", {"Good"}},
      {"binary junk", std::string("A\0B\r\n\xff\xfe\x01\r\nC\r\n\0\0\0", 17), {"C"}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    WriteBytes("Saves/SavesList.csl", std::vector<uint8_t>(c.content.begin(), c.content.end()));
    // Exactly as many bytes as the file holds are read; the sanitizers watch the reader's buffer.
    EXPECT_EQ(CSavedGame::ReadSavesList(), c.names);
  }

  WriteBytes("Saves/SavesList.csl", {'A', '\r', '\n', 'B', '\r', '\n', 'C', '\r', '\n'});
  EXPECT_EQ(CSavedGame::ReadSavesListNewestFirst(), (Names{"C", "B", "A"}));

  fs::remove("Saves/SavesList.csl");
  EXPECT_TRUE(CSavedGame::ReadSavesList().empty());
  EXPECT_FALSE(fs::exists("Saves/SavesList.csl")); // reading creates nothing
  fs::create_directory("Saves/SavesList.csl");
  EXPECT_TRUE(CSavedGame::ReadSavesList().empty());
}

#include "match/CSavedGame.h"

#include "players/CPlayer.h"
#include "rules/CChessBoard.h"
#include "rules/CPiece.h"
#include "rules/ChessTypes.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

const char *const CSavedGame::kSavesFolder = "Saves";
const char *const CSavedGame::kSavesListPath = "Saves/SavesList.csl";

namespace {

// Offsets of the fixed part and of a record's fields.
constexpr size_t kWhiteNameAt = 0, kWhiteTypeAt = 32, kBlackNameAt = 36, kBlackTypeAt = 68;
constexpr size_t kMatchKindAt = 72, kArenaKindAt = 73, kTurnAt = 77;
constexpr size_t kRowAt = 0, kColumnAt = 4, kSideAt = 8, kKindAt = 9, kNeverMovedAt = 13;

// A file never needs to be read further than one record past a full board: a 65th record can only
// repeat a square or lie off the board, and either refuses the file.
constexpr size_t kMaxRecordsRead = kSquareCount + 1;
constexpr size_t kMaxFileBytes = CSavedGame::kFixedPartSize + kMaxRecordsRead * CSavedGame::kRecordSize;

// Suffix of the name a save is written under before it replaces the old one. It holds a dot, which
// no save name does, so it never stands for a save.
const char *const kTemporarySuffix = ".saving";

bool Fail(std::string *reason, const std::string &text) {
  if (reason) *reason = text;
  return false;
}

void Put8(std::vector<uint8_t> &out, uint8_t value) { out.push_back(value); }

void Put32(std::vector<uint8_t> &out, int32_t value) {
  const uint32_t bits = static_cast<uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8)
    out.push_back(static_cast<uint8_t>(bits >> shift));
}

void PutName(std::vector<uint8_t> &out, const char (&name)[CSavedGame::kNameFieldSize]) {
  out.insert(out.end(), name, name + CSavedGame::kNameFieldSize);
}

int32_t Get32(const uint8_t *at) {
  const uint32_t bits = static_cast<uint32_t>(at[0]) | static_cast<uint32_t>(at[1]) << 8 |
                        static_cast<uint32_t>(at[2]) << 16 | static_cast<uint32_t>(at[3]) << 24;
  return static_cast<int32_t>(bits);
}

// At most 31 characters of `text`, read no further than `limit` bytes and stopping at a zero; the
// rest of the field is zero.
void CopyName(char (&field)[CSavedGame::kNameFieldSize], const char *text, size_t limit) {
  std::memset(field, 0, sizeof field);
  if (!text) return;
  for (size_t i = 0; i < limit && i < CSavedGame::kNameFieldSize - 1 && text[i] != '\0'; ++i)
    field[i] = text[i];
}

bool IsPlayerType(int32_t type) { return type >= Human && type <= Champion; }
bool IsZeroOrOne(int32_t value) { return value == 0 || value == 1; }
bool IsPieceKind(int32_t kind) { return kind >= King && kind <= Pawn; }

bool IsAsciiLetterOrDigit(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// A file descriptor closed when it goes out of scope.
class CFileHandle {
public:
  explicit CFileHandle(int fd) : fd_(fd) {}
  ~CFileHandle() {
    if (fd_ >= 0) close(fd_);
  }
  CFileHandle(const CFileHandle &) = delete;
  CFileHandle &operator=(const CFileHandle &) = delete;
  int Get() const { return fd_; }
  bool IsOpen() const { return fd_ >= 0; }
  // Closes now, reporting whether everything written reached the file system.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return fd < 0 || close(fd) == 0;
  }

private:
  int fd_;
};

// Opens a file for reading without ever blocking (a pipe with no writer would), and only when it is
// a regular file; the handle is set only on success.
enum class OpenResult { Opened, Missing, NotAFile, Failed };
OpenResult OpenRegularForReading(const std::string &path, int &fd) {
  fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? OpenResult::Missing : OpenResult::Failed;
  struct stat status;
  if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) return OpenResult::Opened;
  close(fd);
  fd = -1;
  return OpenResult::NotAFile;
}

// Reads up to `capacity` bytes; returns the count read, or -1 on a read error.
ssize_t ReadUpTo(int fd, uint8_t *buffer, size_t capacity) {
  size_t total = 0;
  while (total < capacity) {
    const ssize_t got = read(fd, buffer + total, capacity - total);
    if (got < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    if (got == 0) break;
    total += static_cast<size_t>(got);
  }
  return static_cast<ssize_t>(total);
}

bool WriteAll(int fd, const void *data, size_t size) {
  const uint8_t *bytes = static_cast<const uint8_t *>(data);
  while (size > 0) {
    const ssize_t put = write(fd, bytes, size);
    if (put < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (put == 0) return false;
    bytes += put;
    size -= static_cast<size_t>(put);
  }
  return true;
}

// Makes a rename in the folder survive a power cut; a folder that cannot be synced is left as is.
void SyncFolder(const char *folder) {
  CFileHandle handle(open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (handle.IsOpen()) fsync(handle.Get());
}

// Writes `bytes` as `target` through `temporary`: the old target is replaced only by a complete,
// synced file, and on any failure it stays as it was and the temporary file is gone.
bool ReplaceFile(const std::string &temporary, const std::string &target, const std::vector<uint8_t> &bytes) {
  // Never write through a link or into a pipe or device that happens to carry the temporary name.
  CFileHandle handle(open(temporary.c_str(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY,
                          0644));
  if (!handle.IsOpen()) return false;
  struct stat status;
  if (fstat(handle.Get(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
  const bool written = WriteAll(handle.Get(), bytes.data(), bytes.size()) && fsync(handle.Get()) == 0;
  if (!handle.Close() || !written || rename(temporary.c_str(), target.c_str()) != 0) {
    unlink(temporary.c_str());
    return false;
  }
  SyncFolder(CSavedGame::kSavesFolder);
  return true;
}

// Appends "name CR LF" to the saves list, creating it when there is none. A list whose last line
// lacks its break (edited by hand) gets one first, so the new name is a line of its own. A write
// that fails part way is undone, so the list never ends in half a name.
bool AppendToSavesList(const std::string &name) {
  CFileHandle handle(open(CSavedGame::kSavesListPath,
                          O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, 0644));
  if (!handle.IsOpen()) return false;
  struct stat status;
  if (fstat(handle.Get(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
  std::string line;
  if (status.st_size > 0) {
    char last = '\n';
    if (pread(handle.Get(), &last, 1, status.st_size - 1) != 1) return false;
    if (last != '\n' && last != '\r') line = "\r\n";
  }
  line += name;
  line += "\r\n";
  if (!WriteAll(handle.Get(), line.data(), line.size()) || fsync(handle.Get()) != 0) {
    if (ftruncate(handle.Get(), status.st_size) == 0) fsync(handle.Get());
    return false;
  }
  return handle.Close();
}

} // namespace

CSavedGame CSavedGame::FromMatch(const CChessBoard &board, const CPlayer &white, const CPlayer &black,
                                 uint8_t isTournament, int32_t arenaKind, uint8_t turn) {
  CSavedGame game =
      FromMatch(board, nullptr, white.playerType, nullptr, black.playerType, isTournament, arenaKind, turn);
  CopyName(game.whiteName, white.name, sizeof white.name);
  CopyName(game.blackName, black.name, sizeof black.name);
  return game;
}

CSavedGame CSavedGame::FromMatch(const CChessBoard &board, const char *whiteName, int32_t whiteType,
                                 const char *blackName, int32_t blackType, uint8_t isTournament,
                                 int32_t arenaKind, uint8_t turn) {
  CSavedGame game;
  CopyName(game.whiteName, whiteName, kNameFieldSize);
  game.whiteType = whiteType;
  CopyName(game.blackName, blackName, kNameFieldSize);
  game.blackType = blackType;
  game.isTournament = isTournament;
  game.arenaKind = arenaKind;
  game.turn = turn;
  for (int32_t row = 0; row < kBoardSize; ++row) {
    for (int32_t column = 0; column < kBoardSize; ++column) {
      const CPiece *piece = board.PieceAt(row, column);
      if (!piece) continue;
      PieceRecord record;
      record.row = row;
      record.column = column;
      record.side = static_cast<uint8_t>(piece->side);
      record.kind = piece->kind;
      // The rules read any value but 1 as "has moved".
      record.neverMoved = piece->neverMoved == 1 ? 1 : 0;
      game.pieces.push_back(record);
    }
  }
  return game;
}

void CSavedGame::PlaceOnto(CChessBoard &board) const {
  board.RemoveAllPieces();
  for (CBoardSquare &square : board.squares)
    square.marked = 0;
  board.passedPawnRow = kNoSquare;
  board.passedPawnCol = kNoSquare;
  for (const PieceRecord &record : pieces) {
    if (!IsOnBoardSquare(record.row, record.column) || !IsPieceKind(record.kind) ||
        !IsZeroOrOne(record.side) || board.PieceAt(record.row, record.column))
      continue;
    std::unique_ptr<CPiece> piece = CreatePiece(static_cast<PieceKind>(record.kind));
    piece->side = record.side != 0 ? Black : White;
    piece->neverMoved = record.neverMoved == 1 ? 1 : 0;
    piece->direction = record.side != 0 ? kTowardRow7 : kTowardRow0;
    piece->row = record.row;
    piece->column = record.column;
    board.PlacePiece(record.row, record.column, piece.release());
  }
}

std::vector<uint8_t> CSavedGame::ToBytes() const {
  std::vector<uint8_t> out;
  out.reserve(kFixedPartSize + pieces.size() * kRecordSize);
  PutName(out, whiteName);
  Put32(out, whiteType);
  PutName(out, blackName);
  Put32(out, blackType);
  Put8(out, isTournament);
  Put32(out, arenaKind);
  Put8(out, turn);
  for (const PieceRecord &record : pieces) {
    Put32(out, record.row);
    Put32(out, record.column);
    Put8(out, record.side);
    Put32(out, record.kind);
    Put8(out, record.neverMoved);
  }
  return out;
}

bool CSavedGame::FromBytes(const uint8_t *data, size_t size, CSavedGame &game, std::string *reason) {
  if (!data || size < kFixedPartSize) return Fail(reason, "the file is too short");
  CSavedGame read;
  CopyName(read.whiteName, reinterpret_cast<const char *>(data + kWhiteNameAt), kNameFieldSize);
  read.whiteType = Get32(data + kWhiteTypeAt);
  CopyName(read.blackName, reinterpret_cast<const char *>(data + kBlackNameAt), kNameFieldSize);
  read.blackType = Get32(data + kBlackTypeAt);
  read.isTournament = data[kMatchKindAt];
  read.arenaKind = Get32(data + kArenaKindAt);
  read.turn = data[kTurnAt];
  if (!IsPlayerType(read.whiteType)) return Fail(reason, "White's player type is not valid");
  if (!IsPlayerType(read.blackType)) return Fail(reason, "Black's player type is not valid");
  if (!IsZeroOrOne(read.isTournament)) return Fail(reason, "the match kind is not valid");
  if (!IsZeroOrOne(read.turn)) return Fail(reason, "the side to move is not valid");

  // Whole records only: a record cut short at the end is not read. Every record takes a square of
  // its own, so the loop ends within 65 records however long the data is.
  PieceRecord bySquare[kSquareCount];
  bool taken[kSquareCount] = {};
  bool hasKing[2] = {false, false};
  for (size_t at = kFixedPartSize; size - at >= kRecordSize; at += kRecordSize) {
    PieceRecord record;
    record.row = Get32(data + at + kRowAt);
    record.column = Get32(data + at + kColumnAt);
    record.side = data[at + kSideAt];
    record.kind = Get32(data + at + kKindAt);
    record.neverMoved = data[at + kNeverMovedAt];
    if (!IsOnBoardSquare(record.row, record.column)) return Fail(reason, "a piece stands off the board");
    if (!IsPieceKind(record.kind)) return Fail(reason, "a piece is of no known kind");
    if (!IsZeroOrOne(record.side)) return Fail(reason, "a piece belongs to neither side");
    if (!IsZeroOrOne(record.neverMoved)) return Fail(reason, "a piece's moved mark is not valid");
    const int index = SquareIndex(record.row, record.column);
    if (taken[index]) return Fail(reason, "two pieces stand on one square");
    taken[index] = true;
    bySquare[index] = record;
    if (record.kind == King) hasKing[record.side] = true;
  }
  if (!hasKing[White]) return Fail(reason, "White has no king");
  if (!hasKing[Black]) return Fail(reason, "Black has no king");

  // Kept row-major whatever order the file gave.
  for (int index = 0; index < kSquareCount; ++index)
    if (taken[index]) read.pieces.push_back(bySquare[index]);
  game = std::move(read);
  return true;
}

bool CSavedGame::IsValidSaveName(const std::string &name) {
  if (name.empty() || name.size() > kMaxSaveNameLength) return false;
  for (const char c : name)
    if (!IsAsciiLetterOrDigit(c)) return false;
  return true;
}

bool CSavedGame::Save(const std::string &saveName, std::string *reason) const {
  if (saveName.empty()) return Fail(reason, "no save name was given");
  if (!IsValidSaveName(saveName)) return Fail(reason, "a save name is 1 to 14 letters and digits");
  // A file that would not load back must not replace a good older save.
  const std::vector<uint8_t> bytes = ToBytes();
  CSavedGame check;
  std::string why;
  if (!FromBytes(bytes.data(), bytes.size(), check, &why))
    return Fail(reason, "the game cannot be saved: " + why);
  struct stat folder;
  if (stat(kSavesFolder, &folder) != 0 || !S_ISDIR(folder.st_mode))
    return Fail(reason, "there is no Saves folder");
  const std::string target = std::string(kSavesFolder) + "/" + saveName;
  if (!ReplaceFile(target + kTemporarySuffix, target, bytes))
    return Fail(reason, "the saved game cannot be written");
  if (!AppendToSavesList(saveName))
    return Fail(reason, "the game was saved but cannot be added to the saves list");
  return true;
}

bool CSavedGame::Load(const std::string &saveName, CSavedGame &game, std::string *reason) {
  if (!IsValidSaveName(saveName)) return Fail(reason, "that is not a save name");
  return ReadFile(std::string(kSavesFolder) + "/" + saveName, game, reason);
}

bool CSavedGame::ReadFile(const std::string &path, CSavedGame &game, std::string *reason) {
  int fd = -1;
  switch (OpenRegularForReading(path, fd)) {
  case OpenResult::Opened:
    break;
  case OpenResult::Missing:
    return Fail(reason, "there is no such saved game");
  case OpenResult::NotAFile:
    return Fail(reason, "that is not a saved-game file");
  case OpenResult::Failed:
    return Fail(reason, "the saved game cannot be opened");
  }
  CFileHandle handle(fd);
  std::vector<uint8_t> bytes(kMaxFileBytes);
  const ssize_t got = ReadUpTo(handle.Get(), bytes.data(), bytes.size());
  if (got < 0) return Fail(reason, "the saved game cannot be read");
  bytes.resize(static_cast<size_t>(got));
  return FromBytes(bytes.data(), bytes.size(), game, reason);
}

std::vector<std::string> CSavedGame::ReadSavesList() {
  std::vector<std::string> names;
  int fd = -1;
  if (OpenRegularForReading(kSavesListPath, fd) != OpenResult::Opened) return names;
  CFileHandle handle(fd);
  // Line by line through a fixed buffer: a line is kept while it can still be a save name and
  // dropped as soon as it cannot, so nothing longer than a name is ever held.
  std::string line;
  bool usable = true;
  const auto endLine = [&]() {
    if (usable && !line.empty()) names.push_back(line);
    line.clear();
    usable = true;
  };
  uint8_t buffer[4096];
  for (;;) {
    const ssize_t got = ReadUpTo(handle.Get(), buffer, sizeof buffer);
    if (got <= 0) break;
    for (ssize_t i = 0; i < got; ++i) {
      const char c = static_cast<char>(buffer[i]);
      if (c == '\r' || c == '\n') {
        endLine();
      } else if (usable) {
        if (line.size() < kMaxSaveNameLength && IsAsciiLetterOrDigit(c)) {
          line.push_back(c);
        } else {
          usable = false;
          line.clear();
        }
      }
    }
    if (static_cast<size_t>(got) < sizeof buffer) break;
  }
  endLine();
  return names;
}

std::vector<std::string> CSavedGame::ReadSavesListNewestFirst() {
  std::vector<std::string> names = ReadSavesList();
  return std::vector<std::string>(names.rbegin(), names.rend());
}

// Every picture, sound and raw file the game loads from its data folder, with the size each
// picture is created at. The art generator writes exactly these files and a test checks them, so
// game code should name its files through these constants rather than through string literals.
//
// Paths are relative to the data folder (the game's working folder) and use '/' as separator.
// A bitmap is a 24-bit BMP of exactly width x height pixels (the sprite's rectangle, so nothing is
// resampled on load); opaque pure black (0, 0, 0) is the transparent colour. A sound is a 16-bit PCM
// WAV. The logo is a headerless file of 128 rows x 512 pixels x 3 bytes.
#pragma once

#include <cstddef>

namespace art {

enum class ArtFormat { Bitmap, Wave, RawLogo };

struct ArtFile {
  const char *path;
  int width;  // pixels; 0 for sounds
  int height; // pixels; 0 for sounds
  ArtFormat format;
};

constexpr ArtFile Bmp(const char *path, int width, int height) {
  return ArtFile{path, width, height, ArtFormat::Bitmap};
}
constexpr ArtFile Wav(const char *path) { return ArtFile{path, 0, 0, ArtFormat::Wave}; }

// --- Menus, panels and widgets ------------------------------------------------------------------
inline constexpr ArtFile kCursor = Bmp("Graphics/Gui/Cursor.bmp", 15, 15);
inline constexpr ArtFile kEnd = Bmp("Graphics/Gui/End.bmp", 799, 599);
inline constexpr ArtFile kMainBackground = Bmp("Graphics/Gui/Main Background.bmp", 800, 600);
inline constexpr ArtFile kLogo = Bmp("Graphics/Gui/Logo.bmp", 255, 255);
inline constexpr ArtFile kStoneBackground = Bmp("Graphics/Gui/Stone Background.bmp", 511, 255);

inline constexpr ArtFile kBannerBlueTournament = Bmp("Graphics/Gui/Banner Blue Tournament.bmp", 255, 127);
inline constexpr ArtFile kBannerGreenTournament = Bmp("Graphics/Gui/Banner Green Tournament.bmp", 255, 127);
inline constexpr ArtFile kBannerBlueFreePlay = Bmp("Graphics/Gui/Banner Blue Free Play.bmp", 255, 127);
inline constexpr ArtFile kBannerGreenFreePlay = Bmp("Graphics/Gui/Banner Green Free Play.bmp", 255, 127);
inline constexpr ArtFile kBannerBlueTwoPlayer = Bmp("Graphics/Gui/Banner Blue Two Player.bmp", 255, 127);
inline constexpr ArtFile kBannerGreenTwoPlayer = Bmp("Graphics/Gui/Banner Green Two Player.bmp", 255, 127);
inline constexpr ArtFile kBannerBlueLoadGame = Bmp("Graphics/Gui/Banner Blue Load Game.bmp", 255, 127);
inline constexpr ArtFile kBannerGreenLoadGame = Bmp("Graphics/Gui/Banner Green Load Game.bmp", 255, 127);
inline constexpr ArtFile kBannerBlueOptions = Bmp("Graphics/Gui/Banner Blue Options.bmp", 255, 127);
inline constexpr ArtFile kBannerGreenOptions = Bmp("Graphics/Gui/Banner Green Options.bmp", 255, 127);
inline constexpr ArtFile kBannerBlueExit = Bmp("Graphics/Gui/Banner Blue Exit.bmp", 255, 127);
inline constexpr ArtFile kBannerGreenExit = Bmp("Graphics/Gui/Banner Green Exit.bmp", 255, 127);

inline constexpr ArtFile kButtonSave = Bmp("Graphics/Gui/Blue Marble Button Save.bmp", 127, 31);
inline constexpr ArtFile kButtonSavePushed = Bmp("Graphics/Gui/Blue Marble Button Save Pushed.bmp", 127, 31);
inline constexpr ArtFile kButtonLeave = Bmp("Graphics/Gui/Blue Marble Button Leave.bmp", 127, 31);
inline constexpr ArtFile kButtonLeavePushed =
    Bmp("Graphics/Gui/Blue Marble Button Leave Pushed.bmp", 127, 31);
inline constexpr ArtFile kButtonInitiate = Bmp("Graphics/Gui/Blue Marble Button Initiate.bmp", 127, 31);
inline constexpr ArtFile kButtonInitiatePushed =
    Bmp("Graphics/Gui/Blue Marble Button Initiate Pushed.bmp", 127, 31);
inline constexpr ArtFile kButtonDisciple = Bmp("Graphics/Gui/Blue Marble Button Disciple.bmp", 127, 31);
inline constexpr ArtFile kButtonDisciplePushed =
    Bmp("Graphics/Gui/Blue Marble Button Disciple Pushed.bmp", 127, 31);
inline constexpr ArtFile kButtonChampion = Bmp("Graphics/Gui/Blue Marble Button Champion.bmp", 127, 31);
inline constexpr ArtFile kButtonChampionPushed =
    Bmp("Graphics/Gui/Blue Marble Button Champion Pushed.bmp", 127, 31);
inline constexpr ArtFile kButtonPlay = Bmp("Graphics/Gui/Blue Marble Button Play.bmp", 127, 31);
inline constexpr ArtFile kButtonPlayPushed = Bmp("Graphics/Gui/Blue Marble Button Play Pushed.bmp", 127, 31);

inline constexpr ArtFile kInputBox = Bmp("Graphics/Gui/Blue Input Box.bmp", 127, 31);
// The index box bitmap is 255 x 255, but the box it is drawn for is 255 x 192.
inline constexpr ArtFile kIndexBox = Bmp("Graphics/Gui/Blue Marble Index Box.bmp", 255, 255);
// One arrow picture pointing up; the down arrow is the same picture drawn upside down.
inline constexpr ArtFile kIndexBoxButton = Bmp("Graphics/Gui/Blue Marble Index Box Button.bmp", 31, 31);
inline constexpr ArtFile kIndexBoxButtonPushed =
    Bmp("Graphics/Gui/Blue Marble Index Box Button Pushed.bmp", 31, 31);

inline constexpr ArtFile kSliderLeft = Bmp("Graphics/Gui/Blue Slider Left.bmp", 63, 15);
inline constexpr ArtFile kSliderLeftPushed = Bmp("Graphics/Gui/Blue Slider Left Pushed.bmp", 63, 15);
inline constexpr ArtFile kSliderCenter = Bmp("Graphics/Gui/Blue Slider Center.bmp", 63, 15);
inline constexpr ArtFile kSliderCenterPushed = Bmp("Graphics/Gui/Blue Slider Center Pushed.bmp", 63, 15);
inline constexpr ArtFile kSliderRight = Bmp("Graphics/Gui/Blue Slider Right.bmp", 63, 15);
inline constexpr ArtFile kSliderRightPushed = Bmp("Graphics/Gui/Blue Slider Right Pushed.bmp", 63, 15);

inline constexpr ArtFile kMapMistMountain = Bmp("Graphics/Gui/Map Mist Mountain Button.bmp", 63, 63);
inline constexpr ArtFile kMapMistMountainPushed =
    Bmp("Graphics/Gui/Map Mist Mountain Button Pushed.bmp", 63, 63);
inline constexpr ArtFile kMapDungeon = Bmp("Graphics/Gui/Map Dungeon Button.bmp", 63, 63);
inline constexpr ArtFile kMapDungeonPushed = Bmp("Graphics/Gui/Map Dungeon Button Pushed.bmp", 63, 63);
inline constexpr ArtFile kMapRiverOfLife = Bmp("Graphics/Gui/Map River Of Life Button.bmp", 63, 63);
inline constexpr ArtFile kMapRiverOfLifePushed =
    Bmp("Graphics/Gui/Map River Of Life Button Pushed.bmp", 63, 63);

// --- The board scenes, tiles and pieces ----------------------------------------------------------
inline constexpr ArtFile kMistMountainScreen = Bmp("Graphics/Game/Mist Mountain Screen.bmp", 800, 600);
inline constexpr ArtFile kClouds = Bmp("Graphics/Game/Clouds1.bmp", 800, 600);
inline constexpr ArtFile kDungeonScreen = Bmp("Graphics/Game/Dungeon Screen.bmp", 800, 600);
inline constexpr ArtFile kSand = Bmp("Graphics/Game/Sand.bmp", 800, 600);
inline constexpr ArtFile kRiverOfLifeLand = Bmp("Graphics/Game/River Of Life Land.bmp", 800, 600);
inline constexpr ArtFile kWater = Bmp("Graphics/Game/Water.bmp", 800, 600);

inline constexpr ArtFile kWhiteGlassTile = Bmp("Graphics/Game/White Glass Tile.bmp", 127, 63);
inline constexpr ArtFile kBlueGlassTile = Bmp("Graphics/Game/Blue Glass Tile.bmp", 127, 63);
inline constexpr ArtFile kGreyGlassTile = Bmp("Graphics/Game/Grey Glass Tile.bmp", 127, 63);
inline constexpr ArtFile kSmoothRockTile = Bmp("Graphics/Game/Smooth Rock Tile.bmp", 127, 63);
inline constexpr ArtFile kMoonRockTile = Bmp("Graphics/Game/Moon Rock Tile.bmp", 127, 63);
inline constexpr ArtFile kSelectedTile = Bmp("Graphics/Game/Selected Tile.bmp", 127, 63);

// Indexed [side][kind]: side White 0, Black 1; kind King 0, Queen 1, Rook 2, Bishop 3, Knight 4, Pawn 5.
inline constexpr ArtFile kPieces[2][6] = {
    {Bmp("Graphics/Game/White King.bmp", 63, 127), Bmp("Graphics/Game/White Queen.bmp", 63, 127),
     Bmp("Graphics/Game/White Rook.bmp", 63, 127), Bmp("Graphics/Game/White Bishop.bmp", 63, 127),
     Bmp("Graphics/Game/White Knight.bmp", 63, 127), Bmp("Graphics/Game/White Pawn.bmp", 63, 127)},
    {Bmp("Graphics/Game/Black King.bmp", 63, 127), Bmp("Graphics/Game/Black Queen.bmp", 63, 127),
     Bmp("Graphics/Game/Black Rook.bmp", 63, 127), Bmp("Graphics/Game/Black Bishop.bmp", 63, 127),
     Bmp("Graphics/Game/Black Knight.bmp", 63, 127), Bmp("Graphics/Game/Black Pawn.bmp", 63, 127)},
};

inline constexpr ArtFile kWinner = Bmp("Graphics/Game/Winner.bmp", 800, 600);
inline constexpr ArtFile kLoser = Bmp("Graphics/Game/Loser.bmp", 800, 600);

// --- Title sequence -------------------------------------------------------------------------------
inline constexpr ArtFile kXing = Bmp("Graphics/Title/Xing.bmp", 255, 255);
inline constexpr ArtFile kPixel = Bmp("Graphics/Title/Pixel.bmp", 1, 1);
inline constexpr ArtFile kTitleLogo = ArtFile{"Graphics/Title/Fenmarrow", 512, 128, ArtFormat::RawLogo};
// Frame i (1 to 10) is "Graphics/Title/Sword" + i + ".bmp"; kSwordFrames[i - 1] names it.
inline constexpr ArtFile kSwordFrames[10] = {
    Bmp("Graphics/Title/Sword1.bmp", 511, 127), Bmp("Graphics/Title/Sword2.bmp", 511, 127),
    Bmp("Graphics/Title/Sword3.bmp", 511, 127), Bmp("Graphics/Title/Sword4.bmp", 511, 127),
    Bmp("Graphics/Title/Sword5.bmp", 511, 127), Bmp("Graphics/Title/Sword6.bmp", 511, 127),
    Bmp("Graphics/Title/Sword7.bmp", 511, 127), Bmp("Graphics/Title/Sword8.bmp", 511, 127),
    Bmp("Graphics/Title/Sword9.bmp", 511, 127), Bmp("Graphics/Title/Sword10.bmp", 511, 127),
};

// --- Sounds ---------------------------------------------------------------------------------------
inline constexpr ArtFile kSoundClick = Wav("Sounds/Click.wav");
inline constexpr ArtFile kSoundCheck = Wav("Sounds/check.wav");
inline constexpr ArtFile kSoundDrums = Wav("Sounds/Drums.wav");
inline constexpr ArtFile kSoundIncoming = Wav("Sounds/Incoming.wav");
inline constexpr ArtFile kSoundWind = Wav("Sounds/Wind.wav");
inline constexpr ArtFile kSoundScream = Wav("Sounds/Scream.wav");
inline constexpr ArtFile kSoundWater = Wav("Sounds/Water.wav");
inline constexpr ArtFile kSoundWin = Wav("Sounds/Win Sound.wav");
inline constexpr ArtFile kSoundLose = Wav("Sounds/Lose Sound.wav");

// Every file above, once.
inline constexpr ArtFile kAllArt[] = {
    kCursor,
    kEnd,
    kMainBackground,
    kLogo,
    kStoneBackground,
    kBannerBlueTournament,
    kBannerGreenTournament,
    kBannerBlueFreePlay,
    kBannerGreenFreePlay,
    kBannerBlueTwoPlayer,
    kBannerGreenTwoPlayer,
    kBannerBlueLoadGame,
    kBannerGreenLoadGame,
    kBannerBlueOptions,
    kBannerGreenOptions,
    kBannerBlueExit,
    kBannerGreenExit,
    kButtonSave,
    kButtonSavePushed,
    kButtonLeave,
    kButtonLeavePushed,
    kButtonInitiate,
    kButtonInitiatePushed,
    kButtonDisciple,
    kButtonDisciplePushed,
    kButtonChampion,
    kButtonChampionPushed,
    kButtonPlay,
    kButtonPlayPushed,
    kInputBox,
    kIndexBox,
    kIndexBoxButton,
    kIndexBoxButtonPushed,
    kSliderLeft,
    kSliderLeftPushed,
    kSliderCenter,
    kSliderCenterPushed,
    kSliderRight,
    kSliderRightPushed,
    kMapMistMountain,
    kMapMistMountainPushed,
    kMapDungeon,
    kMapDungeonPushed,
    kMapRiverOfLife,
    kMapRiverOfLifePushed,
    kMistMountainScreen,
    kClouds,
    kDungeonScreen,
    kSand,
    kRiverOfLifeLand,
    kWater,
    kWhiteGlassTile,
    kBlueGlassTile,
    kGreyGlassTile,
    kSmoothRockTile,
    kMoonRockTile,
    kSelectedTile,
    kPieces[0][0],
    kPieces[0][1],
    kPieces[0][2],
    kPieces[0][3],
    kPieces[0][4],
    kPieces[0][5],
    kPieces[1][0],
    kPieces[1][1],
    kPieces[1][2],
    kPieces[1][3],
    kPieces[1][4],
    kPieces[1][5],
    kWinner,
    kLoser,
    kXing,
    kPixel,
    kTitleLogo,
    kSwordFrames[0],
    kSwordFrames[1],
    kSwordFrames[2],
    kSwordFrames[3],
    kSwordFrames[4],
    kSwordFrames[5],
    kSwordFrames[6],
    kSwordFrames[7],
    kSwordFrames[8],
    kSwordFrames[9],
    kSoundClick,
    kSoundCheck,
    kSoundDrums,
    kSoundIncoming,
    kSoundWind,
    kSoundScream,
    kSoundWater,
    kSoundWin,
    kSoundLose,
};
inline constexpr std::size_t kAllArtCount = sizeof(kAllArt) / sizeof(kAllArt[0]);

} // namespace art

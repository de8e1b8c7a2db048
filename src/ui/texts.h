#pragma once
// Every text the user sees, as the program shows it.

namespace murva::texts {

inline constexpr const char* VersionTitle = "Murva Ver0.9.2 110614";
inline constexpr const char* ApplicationName = "Murva";
inline constexpr const char* CaptionSeparator = " - ";

// Questions.
inline constexpr const char* ConfirmCaption = "確認";
// The caption of the question of the file menu's load commands.
inline constexpr const char* ConfirmCaptionKana = "かくにん";
inline constexpr const char* ReallyLoadData = "本当にデータをよみこみますか？";
inline constexpr const char* OverwriteExisting = "すでにあるファイルにうわがきしますか";
inline constexpr const char* SaveBeforeExit = "Murvaをおわる前にえをほぞんしますか？";
inline constexpr const char* SaveOverBeforeExit = "Murvaをおわる前にえをうわがきほぞんしますか？";
inline constexpr const char* RespecifyBackground = "背景データを新しく指定しますか？";
inline constexpr const char* RecoverWork = "まえの つづきが あります。もどしますか？";
inline constexpr const char* JournalUnkept = "もしもの ときの ほぞんが できません";
inline constexpr const char* TextsShortened = "ながい もじを みじかく しました";
inline constexpr const char* SaveOverShortened = "みじかく した もじで うわがき しても いい？";
// After work brought back in place of the file named: "<file> は まだ ひらいて いません".
inline constexpr const char* NotOpenedYet = " は まだ ひらいて いません";
inline constexpr const char* ReallyClearAll = "ぜんぶ けしても いい？";
inline constexpr const char* ReallyDropDrawing = "かいた えを すてても いい？";

// Messages of the shell and of watching.
inline constexpr const char* NothingToPlay = "さいせいするものがありません";
inline constexpr const char* AllCleared = "ぜんぶけしました";
// The face of a play button during a run, which stops it.
inline constexpr const char* StopRun = "とめる";

// Messages about files.
inline constexpr const char* WrongFileFormat = "ファイルけいしきがちがいます";
inline constexpr const char* NoLoadWhilePlaying = "さいせい中はファイルをよみこめません";
inline constexpr const char* DataLoadFailed = "データ読み込みに失敗しました";
inline constexpr const char* WrongDataFormat = "データフォーマットが違います";
inline constexpr const char* ActionItemReadError = "ActionItem：読み込みエラー";
inline constexpr const char* SaveCancelled = "ファイルほぞんをキャンセルしました";
inline constexpr const char* SaveFailed = "データ保存に失敗しました";
inline constexpr const char* WriteFailed = "データ書き出しに失敗しました";
inline constexpr const char* OverSaved = "うわがきほぞんしました";
inline constexpr const char* PictureUnreadable = "画像を読み込めませんでした";
inline constexpr const char* PictureUnwritable = "画像を書き出せませんでした";
inline constexpr const char* GifWritten = "GIFが できました";
inline constexpr const char* DrawingSaved = "そざいを ほぞんしました";

// Messages about cuts.
inline constexpr const char* NoCutToChoose = "選択できるカットがありません";
inline constexpr const char* NoFigureAtAll = "図形がひとつもありません";

// Messages about editing figures.
inline constexpr const char* Ok = "ok";
inline constexpr const char* StampColorRefused = "複数の図形からなるスタンプの色は変更できません";
inline constexpr const char* LineNoFillRefused = "線はぬりつぶしなしにできません";
inline constexpr const char* NoFurtherFront = "これより前にいくことができません。";
inline constexpr const char* NoFurtherBack = "これより後ろにいくことができません。";
// The same refusal for a start copy, worded as the program always worded it.
inline constexpr const char* NoFurtherBackStart = "これより後ろいくことができません。";
inline constexpr const char* StampResizeFailed =
    "スタンプのサイズ変更：解決できないエラーが発生しました";

// File dialogs.
inline constexpr const char* BGFilter = "JPEGファイル（*.jpg）|*.jpg|ビットマップ（*.bmp）|*.bmp";
inline constexpr const char* DataOpenFilter =
    "Murvaファイル(*.mrv)|*.mrv|Zindaファイル(*.znd)|*.znd";
inline constexpr const char* DataSaveFilter = "Murvaファイル(*.mrv)|*.mrv";
inline constexpr const char* JPEGSaveFilter = "JPEGファイル（*.jpg）|*.jpg";
inline constexpr const char* GIFSaveFilter = "GIFファイル（*.gif）|*.gif";
inline constexpr const char* ZindaOpenFilter = "Zindaファイル(*.znd)|*.znd";
inline constexpr const char* ZindaSaveFilter = "そざいファイル(*.znd)|*.znd";

// The drawing window: its caption, buttons and hints.
inline constexpr const char* DrawingCaption = "えをかく";
inline constexpr const char* DrawHint = "えをかく";
inline constexpr const char* DrawDone = "できた";
inline constexpr const char* DrawCancel = "やめる";
inline constexpr const char* DrawSave = "ほぞん";
inline constexpr const char* DrawRemoveLast = "ひとつけす";
inline constexpr const char* DrawClear = "ぜんぶけす";
inline constexpr const char* DrawSeparate = "ばらばらにする";
inline constexpr const char* DrawLineColour = "せんの いろ";
inline constexpr const char* DrawFillColour = "ぬりの いろ";
inline constexpr const char* DrawNoFill = "ぬらない";
// The tools' hints, in the order of TBoardTool.
inline constexpr const char* DrawToolHints[] = {"せん",   "しかく", "まる", "おれせん",
                                                "かこむ", "ふで",   "もじ", "えらぶ"};
inline constexpr const char* DrawWidthHints[] = {"ほそい", "ふつう", "ふとい"};
inline constexpr const char* DrawTextSizeHints[] = {"ちいさい もじ", "ふつうの もじ",
                                                    "おおきい もじ"};
inline constexpr const char* OpenDialogTitle = "ファイルを開く";
inline constexpr const char* SaveDialogTitle = "名前を付けて保存";
inline constexpr const char* DialogOpen = "開く";
inline constexpr const char* DialogSave = "保存";
inline constexpr const char* DialogFileName = "ファイル名:";
inline constexpr const char* DialogFileType = "ファイルの種類:";
inline constexpr const char* DialogLookIn = "場所:";

// Buttons of the message boxes.
inline constexpr const char* ButtonYes = "はい";
inline constexpr const char* ButtonNo = "いいえ";
inline constexpr const char* ButtonCancel = "キャンセル";
inline constexpr const char* ButtonOK = "OK";

// Menus.
inline constexpr const char* FileMenu = "ファイル";
inline constexpr const char* MurvaSave = "ムルヴァをほぞんする";
inline constexpr const char* MurvaOverSave = "ムルヴァをうわがきほぞん";
inline constexpr const char* MurvaLoad = "ムルヴァからよみこむ";
inline constexpr const char* ZindaLoad = "そざいをよみこむ";
inline constexpr const char* ExitMenu = "ムルヴァをおわる";
inline constexpr const char* ViewMenu = "ひょうじ";
inline constexpr const char* ReadBGMenu = "はいけいをよみこむ";
inline constexpr const char* ClearBGMenu = "はいけいをけす";
inline constexpr const char* ClearAllMenu = "ぜんぶけす";
inline constexpr const char* ToolMenu = "ツール";
inline constexpr const char* JPEGMenu = "画像をJPGに変換";
inline constexpr const char* GIFMenu = "アニメをGIFにする";

// Panels, captions and hints of the window.
inline constexpr const char* ClearPanelHint = "ぬりつぶしなし";
inline constexpr const char* ColorChosenHint = "色がえらばれています";
inline constexpr const char* NoFillChosenHint = "「ぬりつぶしなし」がえらばれています";
inline constexpr const char* Large = "大";
inline constexpr const char* Small = "小";
inline constexpr const char* Right = "右";
inline constexpr const char* Left = "左";
inline constexpr const char* Down = "下";
inline constexpr const char* Up = "上";
inline constexpr const char* VTrackBarHint = "うえ：大きくなる　した：ちいさくなる";
inline constexpr const char* HVChangeHint =
    "いま：たて・よこべつべつにかえる　つぎ：たて・よこいっしょにかえる";
inline constexpr const char* AllChangeHint =
    "いま：たて・よこをいっしょにかえる　つぎ：うえ・ひだりをこていしてかえる";
inline constexpr const char* DRChangeHint =
    "いま：うえ・ひだりをこていしてかえる　つぎ：した・みぎをこていしてかえる";
inline constexpr const char* ULChangeHint =
    "いま：した・みぎをこていしてかえる　つぎ：たて・よこをべつべつにかえる";
inline constexpr const char* ObjectPanel = "ずけいをかえる";
inline constexpr const char* DeleteHint = "けす";
inline constexpr const char* DuplicateHint = "ふやす";
inline constexpr const char* RestoreHint = "ふっかつ";
inline constexpr const char* FrontHint = "てまえに";
inline constexpr const char* BackHint = "うしろに";
inline constexpr const char* BodyColorHint = "中の色をかえる";
inline constexpr const char* LineColorHint = "線の色をかえる";
inline constexpr const char* MovePanel = "うごきをつける";
inline constexpr const char* UndoHint = "もどす";
inline constexpr const char* RedoHint = "やりなおす";
inline constexpr const char* MakingHint = "できるまで";
inline constexpr const char* MoveLineHint = "ちょくせんでうごかす";
inline constexpr const char* MoveFreeHint = "じゆうにうごかす";
inline constexpr const char* SameSpeed = "ずっとおなじはやさ";
inline constexpr const char* FastSpeed = "だんだんはやくなる";
inline constexpr const char* SlowSpeed = "だんだんおそくなる";
inline constexpr const char* CutPanel = "カットをかえる";
inline constexpr const char* CutDeleteHint = "カットをさくじょ";
inline constexpr const char* CutMakeHint = "カットをいれる";
inline constexpr const char* CutCarryOverHint = "まえのカットをひきつぐ";
inline constexpr const char* PartsPanel = "そざいおきば";
inline constexpr const char* PartsUseHint = "そざいをつかう";
inline constexpr const char* PartsRemoveHint = "そざいをけす";
inline constexpr const char* CutDown = "＜";
inline constexpr const char* CutDownHint = "ひだりへ";
inline constexpr const char* CutUp = "＞";
inline constexpr const char* CutUpHint = "みぎへ";
inline constexpr const char* CutDisplay = "えらんでいるカット／すべてのカット：";
inline constexpr const char* MakeButton = "つくる";
inline constexpr const char* WatchButton = "うごかす";
inline constexpr const char* SpeedPanel = "アニメのはやさ";
inline constexpr const char* Fast = "はやい";
inline constexpr const char* Normal = "ふつう";
inline constexpr const char* Slow = "おそい";

} // namespace murva::texts

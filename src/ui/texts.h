#pragma once
// Every text the user sees, in the かんじ set. Each text is also the key by which the
// other sets translate it: Qt's translation files in data/translations/ hold its
// ひらがな and English forms, and the window shows a text in the chosen set.

// Marks a text for Qt's lupdate, which finds in this file the texts to translate; the
// same definition as Qt's own, so that both may be seen.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace murva::texts {

inline constexpr const char* VersionTitle = "Murva Ver0.9.2 110614";
inline constexpr const char* ApplicationName = "Murva";
inline constexpr const char* CaptionSeparator = " - ";

// Questions.
inline constexpr const char* ConfirmCaption = QT_TRANSLATE_NOOP("murva", "確認");
// The caption of the question of the file menu's load commands.
inline constexpr const char* ConfirmCaptionKana = QT_TRANSLATE_NOOP("murva", "かくにん");
inline constexpr const char* ReallyLoadData =
    QT_TRANSLATE_NOOP("murva", "本当にデータをよみこみますか？");
inline constexpr const char* OverwriteExisting =
    QT_TRANSLATE_NOOP("murva", "すでにあるファイルにうわがきしますか");
inline constexpr const char* SaveBeforeExit =
    QT_TRANSLATE_NOOP("murva", "Murvaをおわる前にえをほぞんしますか？");
inline constexpr const char* SaveOverBeforeExit =
    QT_TRANSLATE_NOOP("murva", "Murvaをおわる前にえをうわがきほぞんしますか？");
inline constexpr const char* RespecifyBackground =
    QT_TRANSLATE_NOOP("murva", "背景データを新しく指定しますか？");
inline constexpr const char* RecoverWork =
    QT_TRANSLATE_NOOP("murva", "まえの つづきが あります。つづきから はじめる？");
inline constexpr const char* ReallyDropWork =
    QT_TRANSLATE_NOOP("murva", "まえの つづきを すてても いい？");
inline constexpr const char* JournalUnkept =
    QT_TRANSLATE_NOOP("murva", "もしもの ときの ほぞんが できません");
inline constexpr const char* TextsShortened =
    QT_TRANSLATE_NOOP("murva", "ながい もじを みじかく しました");
inline constexpr const char* SaveOverShortened =
    QT_TRANSLATE_NOOP("murva", "みじかく した もじで うわがき しても いい？");
// After work brought back in place of the file named (%1).
inline constexpr const char* NotOpenedYet =
    QT_TRANSLATE_NOOP("murva", "%1 は まだ ひらいて いません");
inline constexpr const char* ReallyClearAll = QT_TRANSLATE_NOOP("murva", "ぜんぶ けしても いい？");
inline constexpr const char* ReallyDropDrawing =
    QT_TRANSLATE_NOOP("murva", "かいた えを すてても いい？");

// Messages of the shell and of watching.
inline constexpr const char* NothingToPlay =
    QT_TRANSLATE_NOOP("murva", "さいせいするものがありません");
inline constexpr const char* AllCleared = QT_TRANSLATE_NOOP("murva", "ぜんぶけしました");
// The face of a play button during a run, which stops it.
inline constexpr const char* StopRun = QT_TRANSLATE_NOOP("murva", "とめる");

// Messages about files.
inline constexpr const char* WrongFileFormat =
    QT_TRANSLATE_NOOP("murva", "ファイルけいしきがちがいます");
inline constexpr const char* NoLoadWhilePlaying =
    QT_TRANSLATE_NOOP("murva", "さいせい中はファイルをよみこめません");
inline constexpr const char* DataLoadFailed =
    QT_TRANSLATE_NOOP("murva", "データ読み込みに失敗しました");
inline constexpr const char* WrongDataFormat =
    QT_TRANSLATE_NOOP("murva", "データフォーマットが違います");
inline constexpr const char* ActionItemReadError =
    QT_TRANSLATE_NOOP("murva", "ActionItem：読み込みエラー");
inline constexpr const char* SaveCancelled =
    QT_TRANSLATE_NOOP("murva", "ファイルほぞんをキャンセルしました");
inline constexpr const char* SaveFailed = QT_TRANSLATE_NOOP("murva", "データ保存に失敗しました");
inline constexpr const char* WriteFailed =
    QT_TRANSLATE_NOOP("murva", "データ書き出しに失敗しました");
inline constexpr const char* OverSaved = QT_TRANSLATE_NOOP("murva", "うわがきほぞんしました");
inline constexpr const char* PictureUnreadable =
    QT_TRANSLATE_NOOP("murva", "画像を読み込めませんでした");
inline constexpr const char* PictureUnwritable =
    QT_TRANSLATE_NOOP("murva", "画像を書き出せませんでした");
inline constexpr const char* GifWritten = QT_TRANSLATE_NOOP("murva", "GIFが できました");
inline constexpr const char* VideoWritten = QT_TRANSLATE_NOOP("murva", "どうがが できました");
inline constexpr const char* StoryboardWritten =
    QT_TRANSLATE_NOOP("murva", "えコンテが できました");
// A video that could not be made, with the reason (%1) in the libraries' words.
inline constexpr const char* VideoUnwritable =
    QT_TRANSLATE_NOOP("murva", "どうがを つくれませんでした（%1）");
// The progress window of a film: pictures made (%1) of all (%2); its button is StopRun.
inline constexpr const char* FilmProgress =
    QT_TRANSLATE_NOOP("murva", "えを つくっています　%1 / %2");
// The storyboard's cut label (%1: its number) and the heading of its line for notes.
inline constexpr const char* StoryboardCut = QT_TRANSLATE_NOOP("murva", "カット %1");
inline constexpr const char* StoryboardNotes = QT_TRANSLATE_NOOP("murva", "メモ");
inline constexpr const char* StoryboardStart = QT_TRANSLATE_NOOP("murva", "はじめ");
inline constexpr const char* StoryboardEnd = QT_TRANSLATE_NOOP("murva", "おわり");
inline constexpr const char* DrawingSaved = QT_TRANSLATE_NOOP("murva", "そざいを ほぞんしました");

// Messages about cuts.
inline constexpr const char* NoCutToChoose =
    QT_TRANSLATE_NOOP("murva", "選択できるカットがありません");
inline constexpr const char* NoFigureAtAll = QT_TRANSLATE_NOOP("murva", "図形がひとつもありません");

// Messages about editing figures.
inline constexpr const char* Ok = QT_TRANSLATE_NOOP("murva", "ok");
inline constexpr const char* LineNoFillRefused =
    QT_TRANSLATE_NOOP("murva", "線はぬりつぶしなしにできません");
inline constexpr const char* NoFurtherFront =
    QT_TRANSLATE_NOOP("murva", "これより前にいくことができません。");
inline constexpr const char* NoFurtherBack =
    QT_TRANSLATE_NOOP("murva", "これより後ろにいくことができません。");
// The same refusal for a start copy, worded as the program always worded it.
inline constexpr const char* NoFurtherBackStart =
    QT_TRANSLATE_NOOP("murva", "これより後ろいくことができません。");
inline constexpr const char* StampResizeFailed =
    QT_TRANSLATE_NOOP("murva", "スタンプのサイズ変更：解決できないエラーが発生しました");

// File dialogs.
inline constexpr const char* BGFilter =
    QT_TRANSLATE_NOOP("murva", "JPEGファイル（*.jpg）|*.jpg|ビットマップ（*.bmp）|*.bmp");
inline constexpr const char* DataOpenFilter =
    QT_TRANSLATE_NOOP("murva", "Murvaファイル(*.mrv)|*.mrv|Zindaファイル(*.znd)|*.znd");
inline constexpr const char* DataSaveFilter =
    QT_TRANSLATE_NOOP("murva", "Murvaファイル(*.mrv)|*.mrv");
inline constexpr const char* JPEGSaveFilter =
    QT_TRANSLATE_NOOP("murva", "JPEGファイル（*.jpg）|*.jpg");
inline constexpr const char* GIFSaveFilter =
    QT_TRANSLATE_NOOP("murva", "GIFファイル（*.gif）|*.gif");
inline constexpr const char* VideoSaveFilter =
    QT_TRANSLATE_NOOP("murva", "MP4どうが（*.mp4）|*.mp4|WebMどうが（*.webm）|*.webm");
inline constexpr const char* PdfSaveFilter =
    QT_TRANSLATE_NOOP("murva", "PDFファイル（*.pdf）|*.pdf");
// The picker of ready materials: its title, its button to the file dialog, and the kinds.
inline constexpr const char* PickerTitle = QT_TRANSLATE_NOOP("murva", "そざいを えらぶ");
inline constexpr const char* OtherFileButton = QT_TRANSLATE_NOOP("murva", "ほかの ファイル");
inline constexpr const char* KindAnimals = QT_TRANSLATE_NOOP("murva", "どうぶつ");
inline constexpr const char* KindVehicles = QT_TRANSLATE_NOOP("murva", "のりもの");
inline constexpr const char* KindPeople = QT_TRANSLATE_NOOP("murva", "ひと");
inline constexpr const char* KindFood = QT_TRANSLATE_NOOP("murva", "たべもの");
inline constexpr const char* KindNature = QT_TRANSLATE_NOOP("murva", "しぜん");
inline constexpr const char* KindThings = QT_TRANSLATE_NOOP("murva", "もの");
inline constexpr const char* ZindaOpenFilter =
    QT_TRANSLATE_NOOP("murva", "Zindaファイル(*.znd)|*.znd");
// The name a save suggests for an animation that has none yet.
inline constexpr const char* UntitledAnimation = QT_TRANSLATE_NOOP("murva", "アニメ1");
inline constexpr const char* ZindaSaveFilter =
    QT_TRANSLATE_NOOP("murva", "そざいファイル(*.znd)|*.znd");

// The drawing window: its caption, buttons and hints, and what it says of a character
// typed into a text that a file cannot hold.
inline constexpr const char* CharacterNotKept =
    QT_TRANSLATE_NOOP("murva", "その もじは つかえません");
inline constexpr const char* DrawingCaption = QT_TRANSLATE_NOOP("murva", "えをかく");
inline constexpr const char* DrawHint = QT_TRANSLATE_NOOP("murva", "えをかく");
inline constexpr const char* DrawDone = QT_TRANSLATE_NOOP("murva", "できた");
inline constexpr const char* DrawCancel = QT_TRANSLATE_NOOP("murva", "やめる");
inline constexpr const char* DrawSave = QT_TRANSLATE_NOOP("murva", "ほぞん");
inline constexpr const char* DrawRemoveLast = QT_TRANSLATE_NOOP("murva", "ひとつけす");
inline constexpr const char* DrawClear = QT_TRANSLATE_NOOP("murva", "ぜんぶけす");
inline constexpr const char* DrawSeparate = QT_TRANSLATE_NOOP("murva", "ばらばらにする");
inline constexpr const char* DrawLineColour = QT_TRANSLATE_NOOP("murva", "せんの いろ");
inline constexpr const char* DrawFillColour = QT_TRANSLATE_NOOP("murva", "ぬりの いろ");
inline constexpr const char* DrawNoFill = QT_TRANSLATE_NOOP("murva", "ぬらない");
// The tools' hints, in the order of TBoardTool.
inline constexpr const char* DrawToolHints[] = {
    QT_TRANSLATE_NOOP("murva", "せん"),   QT_TRANSLATE_NOOP("murva", "しかく"),
    QT_TRANSLATE_NOOP("murva", "まる"),   QT_TRANSLATE_NOOP("murva", "おれせん"),
    QT_TRANSLATE_NOOP("murva", "かこむ"), QT_TRANSLATE_NOOP("murva", "ふで"),
    QT_TRANSLATE_NOOP("murva", "もじ"),   QT_TRANSLATE_NOOP("murva", "えらぶ")};
inline constexpr const char* DrawWidthHints[] = {QT_TRANSLATE_NOOP("murva", "ほそい"),
                                                 QT_TRANSLATE_NOOP("murva", "ふつう"),
                                                 QT_TRANSLATE_NOOP("murva", "ふとい")};
// The letter the text-size buttons show, each at its size.
inline constexpr const char* TextSizeSample = QT_TRANSLATE_NOOP("murva", "あ");
inline constexpr const char* DrawTextSizeHints[] = {QT_TRANSLATE_NOOP("murva", "ちいさい もじ"),
                                                    QT_TRANSLATE_NOOP("murva", "ふつうの もじ"),
                                                    QT_TRANSLATE_NOOP("murva", "おおきい もじ")};
inline constexpr const char* OpenDialogTitle = QT_TRANSLATE_NOOP("murva", "ファイルを開く");
inline constexpr const char* SaveDialogTitle = QT_TRANSLATE_NOOP("murva", "名前を付けて保存");
inline constexpr const char* DialogOpen = QT_TRANSLATE_NOOP("murva", "開く");
inline constexpr const char* DialogSave = QT_TRANSLATE_NOOP("murva", "保存");
inline constexpr const char* DialogFileName = QT_TRANSLATE_NOOP("murva", "ファイル名:");
inline constexpr const char* DialogFileType = QT_TRANSLATE_NOOP("murva", "ファイルの種類:");
inline constexpr const char* DialogLookIn = QT_TRANSLATE_NOOP("murva", "場所:");

// Buttons of the message boxes.
inline constexpr const char* ButtonYes = QT_TRANSLATE_NOOP("murva", "はい");
inline constexpr const char* ButtonNo = QT_TRANSLATE_NOOP("murva", "いいえ");
inline constexpr const char* ButtonCancel = QT_TRANSLATE_NOOP("murva", "キャンセル");
inline constexpr const char* ButtonOK = QT_TRANSLATE_NOOP("murva", "OK");

// Menus. The ことば menu is named in two languages in every set, and each set by its own
// name, so that a child who reads none of the others finds it.
inline constexpr const char* LanguageMenu = QT_TRANSLATE_NOOP("murva", "ことば / Language");
inline constexpr const char* KanjiSet = QT_TRANSLATE_NOOP("murva", "かんじ");
inline constexpr const char* HiraganaSet = QT_TRANSLATE_NOOP("murva", "ひらがな");
inline constexpr const char* EnglishSet = QT_TRANSLATE_NOOP("murva", "English");
inline constexpr const char* FileMenu = QT_TRANSLATE_NOOP("murva", "ファイル");
inline constexpr const char* MurvaSave = QT_TRANSLATE_NOOP("murva", "ムルヴァをほぞんする");
inline constexpr const char* MurvaOverSave = QT_TRANSLATE_NOOP("murva", "ムルヴァをうわがきほぞん");
inline constexpr const char* MurvaLoad = QT_TRANSLATE_NOOP("murva", "ムルヴァからよみこむ");
inline constexpr const char* ZindaLoad = QT_TRANSLATE_NOOP("murva", "そざいをよみこむ");
inline constexpr const char* OpenSetAsideWork =
    QT_TRANSLATE_NOOP("murva", "まえの つづきを ひらく");
inline constexpr const char* ExitMenu = QT_TRANSLATE_NOOP("murva", "ムルヴァをおわる");
inline constexpr const char* ViewMenu = QT_TRANSLATE_NOOP("murva", "ひょうじ");
inline constexpr const char* ReadBGMenu = QT_TRANSLATE_NOOP("murva", "はいけいをよみこむ");
inline constexpr const char* ClearBGMenu = QT_TRANSLATE_NOOP("murva", "はいけいをけす");
inline constexpr const char* ClearAllMenu = QT_TRANSLATE_NOOP("murva", "ぜんぶけす");
inline constexpr const char* ToolMenu = QT_TRANSLATE_NOOP("murva", "ツール");
inline constexpr const char* HelpMenu = QT_TRANSLATE_NOOP("murva", "？");
inline constexpr const char* AboutMenu = QT_TRANSLATE_NOOP("murva", "ムルヴァに ついて");
// The about box; "%1" is the version. The ready pictures' attribution goes with them.
inline constexpr const char* About =
    QT_TRANSLATE_NOOP("murva", "%1\n\nGNU GPL 3 で つかえます。\nえの そざい: Twemoji（CC-BY 4.0）\nTwitter, Inc. ほか");
inline constexpr const char* JPEGMenu = QT_TRANSLATE_NOOP("murva", "画像をJPGに変換");
inline constexpr const char* GIFMenu = QT_TRANSLATE_NOOP("murva", "アニメをGIFにする");
inline constexpr const char* VideoMenu = QT_TRANSLATE_NOOP("murva", "アニメを どうがにする");
inline constexpr const char* StoryboardMenu = QT_TRANSLATE_NOOP("murva", "えコンテを つくる");

// Panels, captions and hints of the window.
inline constexpr const char* ClearPanelHint = QT_TRANSLATE_NOOP("murva", "ぬりつぶしなし");
inline constexpr const char* ColorChosenHint = QT_TRANSLATE_NOOP("murva", "色がえらばれています");
inline constexpr const char* NoFillChosenHint =
    QT_TRANSLATE_NOOP("murva", "「ぬりつぶしなし」がえらばれています");
inline constexpr const char* Large = QT_TRANSLATE_NOOP("murva", "大");
inline constexpr const char* Small = QT_TRANSLATE_NOOP("murva", "小");
inline constexpr const char* Right = QT_TRANSLATE_NOOP("murva", "右");
inline constexpr const char* Left = QT_TRANSLATE_NOOP("murva", "左");
inline constexpr const char* Down = QT_TRANSLATE_NOOP("murva", "下");
inline constexpr const char* Up = QT_TRANSLATE_NOOP("murva", "上");
inline constexpr const char* VTrackBarHint =
    QT_TRANSLATE_NOOP("murva", "うえ：大きくなる　した：ちいさくなる");
// The separate mode is followed by the one that keeps the shape, which comes first.
inline constexpr const char* HVChangeHint =
    QT_TRANSLATE_NOOP("murva", "いま：たて・よこべつべつにかえる　つぎ：かたちを かえずに かえる");
inline constexpr const char* KeepShapeHint = QT_TRANSLATE_NOOP(
    "murva", "いま：かたちを かえずに かえる　つぎ：たて・よこをいっしょにかえる");
inline constexpr const char* AllChangeHint = QT_TRANSLATE_NOOP(
    "murva", "いま：たて・よこをいっしょにかえる　つぎ：うえ・ひだりをこていしてかえる");
inline constexpr const char* DRChangeHint = QT_TRANSLATE_NOOP(
    "murva", "いま：うえ・ひだりをこていしてかえる　つぎ：した・みぎをこていしてかえる");
inline constexpr const char* ULChangeHint = QT_TRANSLATE_NOOP(
    "murva", "いま：した・みぎをこていしてかえる　つぎ：たて・よこをべつべつにかえる");
inline constexpr const char* ObjectPanel = QT_TRANSLATE_NOOP("murva", "ずけいをかえる");
inline constexpr const char* DeleteHint = QT_TRANSLATE_NOOP("murva", "けす");
inline constexpr const char* DuplicateHint = QT_TRANSLATE_NOOP("murva", "ふやす");
inline constexpr const char* RestoreHint = QT_TRANSLATE_NOOP("murva", "ふっかつ");
inline constexpr const char* FrontHint = QT_TRANSLATE_NOOP("murva", "てまえに");
inline constexpr const char* BackHint = QT_TRANSLATE_NOOP("murva", "うしろに");
inline constexpr const char* BodyColorHint = QT_TRANSLATE_NOOP("murva", "中の色をかえる");
inline constexpr const char* LineColorHint = QT_TRANSLATE_NOOP("murva", "線の色をかえる");
inline constexpr const char* MovePanel = QT_TRANSLATE_NOOP("murva", "うごきをつける");
inline constexpr const char* UndoHint = QT_TRANSLATE_NOOP("murva", "もどす");
inline constexpr const char* RedoHint = QT_TRANSLATE_NOOP("murva", "やりなおす");
inline constexpr const char* MakingHint = QT_TRANSLATE_NOOP("murva", "できるまで");
inline constexpr const char* MoveLineHint = QT_TRANSLATE_NOOP("murva", "ちょくせんでうごかす");
inline constexpr const char* MoveFreeHint = QT_TRANSLATE_NOOP("murva", "じゆうにうごかす");
inline constexpr const char* SameSpeed = QT_TRANSLATE_NOOP("murva", "ずっとおなじはやさ");
inline constexpr const char* FastSpeed = QT_TRANSLATE_NOOP("murva", "だんだんはやくなる");
inline constexpr const char* SlowSpeed = QT_TRANSLATE_NOOP("murva", "だんだんおそくなる");
inline constexpr const char* CutPanel = QT_TRANSLATE_NOOP("murva", "カットをかえる");
inline constexpr const char* CutDeleteHint = QT_TRANSLATE_NOOP("murva", "カットをさくじょ");
inline constexpr const char* CutMakeHint = QT_TRANSLATE_NOOP("murva", "カットをいれる");
inline constexpr const char* CutCarryOverHint =
    QT_TRANSLATE_NOOP("murva", "まえのカットをひきつぐ");
inline constexpr const char* PartsPanel = QT_TRANSLATE_NOOP("murva", "そざいおきば");
inline constexpr const char* PartsUseHint = QT_TRANSLATE_NOOP("murva", "そざいをつかう");
inline constexpr const char* PartsRemoveHint = QT_TRANSLATE_NOOP("murva", "そざいをけす");
inline constexpr const char* CutDown = QT_TRANSLATE_NOOP("murva", "＜");
inline constexpr const char* CutDownHint = QT_TRANSLATE_NOOP("murva", "ひだりへ");
inline constexpr const char* CutUp = QT_TRANSLATE_NOOP("murva", "＞");
inline constexpr const char* CutUpHint = QT_TRANSLATE_NOOP("murva", "みぎへ");
inline constexpr const char* CutDisplay =
    QT_TRANSLATE_NOOP("murva", "えらんでいるカット／すべてのカット：");
inline constexpr const char* MakeButton = QT_TRANSLATE_NOOP("murva", "つくる");
inline constexpr const char* WatchButton = QT_TRANSLATE_NOOP("murva", "うごかす");
inline constexpr const char* SpeedPanel = QT_TRANSLATE_NOOP("murva", "アニメのはやさ");
inline constexpr const char* Fast = QT_TRANSLATE_NOOP("murva", "はやい");
inline constexpr const char* Normal = QT_TRANSLATE_NOOP("murva", "ふつう");
inline constexpr const char* Slow = QT_TRANSLATE_NOOP("murva", "おそい");

} // namespace murva::texts

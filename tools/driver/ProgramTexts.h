// The program's own texts, byte for byte in code page 932, as the tests expect to see them:
// captions and messages.
#pragma once

// Captions: the sheet, the About box, and every message box of the program by its file name.
inline constexpr char kSheetCaption[] = "ミレルセットアップ";
inline constexpr char kAboutCaption[] = "ミレルのﾊﾞｰｼﾞｮﾝ情報";
inline constexpr char kSettingsAppName[] = "MirelSetup";
inline constexpr char kInstallerAppName[] = "installer";

// The Main page's commands and the store.
inline constexpr char kRegisteredText[] =
    "ミレルの登録に成功しました。IEをすべて再起動してください。";
inline constexpr char kUnregisteredText[] =
    "ミレルの取り外し成功しました。IEをすべて再起動してください。";
inline constexpr char kUnregisterFailedText[] = "ミレルの取り外し失敗しました。";
inline constexpr char kStoreFailedText[] = "設定を保存できませんでした。";

// The setup.
inline constexpr char kConfirmText[] =
    "インターネットエクスプローラ、エクスプローラ、「フォルダ」を開いている場合は全て終了してください。\n"
    "終了させた後に「はい」を選んでください\n"
    "(ミレルインストーラを起動するために開いた「フォルダ」ウインドウがある場合はそれも閉じてください)";
inline constexpr char kAbortedText[] = "インストールは中断されました。";
inline constexpr char kModuleInUseText[] =
    "起動中のエクスプローラ・インターネットエクスプローラ・「フォルダ」が見つかりました。\n"
    "全て終了させてから「はい」を選択してください。\n"
    "(ミレルインストーラを起動するために開いた「フォルダ」ウインドウがある場合はそれも閉じてください)\n"
    "\n"
    "エクスプローラ・インターネットエクスプローラを終了してもこのメッセージが表示される場合は「いいえ」を選択してください。";
inline constexpr char kOldModuleKeptText[] =
    "古いモジュールの削除に失敗したため、インストールを中断しました。"
    "コンピュータを再起動した後、再度ミレルのインストールを行ってください。";
inline constexpr char kSuccessText[] =
    "インストールが正常に終了しました。\n"
    "ミレルのカスタマイズはデスクトップの「ミレル環境設定」から行ってください。";
inline constexpr char kRegisterFailedText[] = "ミレルの登録に失敗しました。";
inline constexpr char kAlreadyRunningText[] = "すでに起動してます。";
inline constexpr char kConfirmUninstallText[] = "ミレルをアンインストールしてよろしいですか？";
inline constexpr char kUninstalledText[] =
    "アンインストールが完了しました。コンピュータを再起動してください。";

// Failures of the setup, as printf formats: the installation directory, then the names listed
// one per line, each after an ideographic space.
inline constexpr char kCopyFailedFormat[] =
    "次のファイルをインストール先「%s」にコピーできなかったため、インストールは完了していません。\n\n%s\n"
    "これらのファイルを使っているプログラムを全て終了させてから、再度ミレルのインストールを行ってください。";
inline constexpr char kShortcutFailedFormat[] =
    "次のショートカットを作成できなかったため、インストールは完了していません。\n\n%s\n"
    "同じ名前のファイルやフォルダがある場合は削除してから、再度ミレルのインストールを行ってください。";
inline constexpr char kDirectoryBlockedFormat[] =
    "インストール先のフォルダ「%s」を作成できないか、書き込みできないため、インストールを中断しました。\n"
    "同じ名前のファイルがある場合は削除してください。"
    "installer.exeを右クリックして「管理者として実行」を選び、再度ミレルのインストールを行ってください。";
inline constexpr char kUninstallIncompleteText[] = "アンインストールを完了できませんでした。\n";
inline constexpr char kStillRegisteredText[] = "\nミレルの登録を解除できませんでした。\n";
inline constexpr char kLeftoversFormat[] = "\n次のものが「%s」に残っています。\n%s";
inline constexpr char kFolderLeftFormat[] = "\nフォルダ「%s」が残っています。\n";
inline constexpr char kShortcutsLeftFormat[] = "\n次のショートカットを削除できませんでした。\n%s";
inline constexpr char kEntryLeftText[] =
    "\nWindowsのインストールされているプログラムの一覧からミレルを削除できませんでした。\n";
inline constexpr char kEntryKeptText[] =
    "\nもう一度アンインストールできるように、"
    "Windowsのインストールされているプログラムの一覧にミレルを残しています。\n";
inline constexpr char kUninstallWhatToDoText[] =
    "\nエクスプローラ・インターネットエクスプローラを全て終了させてから再度アンインストールを行うか、"
    "残ったものを削除してください。";

// Where the setup cannot act exactly it stops before any change: the system code page is not
// 932, the shell cannot say where Program Files is, the installation directory is a link into
// another folder (its path, for the uninstaller twice).
inline constexpr char kCodePageText[] =
    "このコンピュータの文字コードの設定では、ミレルのファイル名や表示を正しく扱えないため、"
    "インストールを中断しました。\n"
    "「地域」の設定で「Unicode 対応ではないプログラムの言語」を日本語にし、"
    "「ベータ: ワールドワイド言語サポートで Unicode UTF-8 を使用」をオフにしてから、"
    "再度ミレルのインストールを行ってください。";
inline constexpr char kUninstallCodePageText[] =
    "このコンピュータの文字コードの設定では、ミレルのファイル名や表示を正しく扱えないため、"
    "アンインストールを中断しました。\n"
    "「地域」の設定で「Unicode 対応ではないプログラムの言語」を日本語にし、"
    "「ベータ: ワールドワイド言語サポートで Unicode UTF-8 を使用」をオフにしてから、"
    "再度アンインストールを行ってください。";
inline constexpr char kProgramFilesUnknownText[] =
    "インストール先の「Program Files」フォルダの場所をWindowsから正しく得られないため、"
    "インストールを中断しました。";
inline constexpr char kUninstallProgramFilesUnknownText[] =
    "ミレルのインストール先(「Program Files」フォルダ)の場所をWindowsから正しく得られないため、"
    "アンインストールを中断しました。";
inline constexpr char kLinkedDirectoryFormat[] =
    "インストール先のフォルダ「%s」は別の場所へのリンク(ジャンクションまたはシンボリックリンク)のため、"
    "インストールを中断しました。\n"
    "リンクを削除してから、再度ミレルのインストールを行ってください。";
inline constexpr char kUninstallLinkedFormat[] =
    "インストール先のフォルダ「%s」は別の場所へのリンク(ジャンクションまたはシンボリックリンク)のため、"
    "アンインストールを中断しました。何も削除していません。\n"
    "リンクを削除し、リンク先のフォルダを「%s」に移してから、再度アンインストールを行ってください。";

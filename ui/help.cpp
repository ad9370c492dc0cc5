#include "ui/help.h"

#include "framework/dpi.h"
#include "framework/gdi.h"
#include "framework/message_map.h"
#include "framework/window.h"
#include "res/resource.h"
#include "ui/fonts.h"

#include <utility>

namespace {

const char* const kHelpClass = "MirvalenHelp";
const int kTextId = 100;
// Designed at 96 DPI, scaled to the screen's: the window's size and the text's height.
const int kWidth = 620, kHeight = 560;
const int kTextHeight = 13;

const char* const kHelpText =
    "Mirvalen ヘルプ\r\n"
    "\r\n"
    "Mirvalen は二つのフォルダ（基本フォルダと対象フォルダ）を比べ、新しいファイルや"
    "片方にしかないファイルをもう一方へコピーして、両方をそろえるツールです。\r\n"
    "\r\n"
    "■ 使い方\r\n"
    "1. [基本フォルダ] と [対象フォルダ] にフォルダを入力します。右のフォルダボタンで選ぶこともできます。\r\n"
    "2. [同期方向] を選びます。↓ は基本から対象へ、↑ は対象から基本へ、↓↑ は両方向です。\r\n"
    "3. [リスト作成] を押すと、両方のフォルダを調べて比較リストを表示します。\r\n"
    "4. 内容を確かめて [同期実行] を押すと、↓ と ↑ の付いたファイルがコピーされ、"
    "リストが作り直されます。コピー先にないフォルダは作られます。ファイルは削除されません"
    "（置き換えたファイルの古い版はごみ箱に移ります。下の「置き換えたファイルとごみ箱」を参照）。\r\n"
    "実行中は小さな進行状況の窓が表示されます。途中でやめるにはメイン画面を閉じてください。\r\n"
    "\r\n"
    "■ 各部の働き\r\n"
    "・お気に入り名: お気に入りとして登録するときの名前です。\r\n"
    "・基本フォルダ / 対象フォルダ: 比べる二つのフォルダです。フォルダボタンで選ぶと末尾に \\ が付きます。\r\n"
    "・新規作成: 名前とフォルダの欄を空にし、同期方向を ↓↑ にします。\r\n"
    "・登録・更新: 今の名前・フォルダ・同期方向をお気に入りに登録します。一覧で選んでいるお気に入りがあれば、それを更新します。\r\n"
    "・同期方向 (↓ / ↑ / ↓↑): コピーする向きです。変えるとリストは消えます。\r\n"
    "・お気に入りの一覧: 名前をクリックすると、そのフォルダと同期方向が呼び出されます。\r\n"
    "・一覧の上の ↓ / ↑: 選んだお気に入りを一つ下 / 上へ移します。× は削除します（確認があります）。\r\n"
    "・２秒以内同時評価: 押した状態では、時刻の差が２秒以内のファイルを同じとみなします。\r\n"
    "・リスト作成 / 同期実行: 比較リストを作ります / リストに従ってコピーします。"
    "同期実行は、リストに矛盾がなくコピーするものがあるときだけ押せます。\r\n"
    "・集計欄: 転送・基本フォルダ・対象フォルダごとにファイル数を数えます。"
    "数が合えば OK（緑）、合わなければ ERROR（赤）、リストがないときは READY と表示します。\r\n"
    "\r\n"
    "■ リストの印と色\r\n"
    "転送欄\r\n"
    "  =  コピーしません（同じファイル、または送らない側の方が新しいファイル）\r\n"
    "  ↓  基本フォルダから対象フォルダへコピーします（行は水色）\r\n"
    "  ↑  対象フォルダから基本フォルダへコピーします（行は薄い赤）\r\n"
    "  ！  コピーしません。同じフォルダに大文字と小文字だけが違う名前があり"
    "（Linux の共有フォルダなど）、コピーすると一方が他方を上書きするためです。集計欄では ＝ に数えます\r\n"
    "  ？  ↓↑ で、両方にあって更新日時が同じなのにサイズが違うファイル（競合）です。どちらが新しいか決められないため、"
    "選ぶまではコピーしません（行はオレンジ色。基本側と対象側の 2 行になります）。集計欄では ＝ に数えます\r\n"
    "  ↓＊ ↑＊ =＊  利用者が選んだ向きです（下の「行ごとにコピーを選ぶ」を参照）\r\n"
    "状態欄\r\n"
    "  △  両方にあり、送る側の方が新しいファイルです\r\n"
    "  ×  送る側にしかないファイルです\r\n"
    "集計欄の ▲ は、相手側の方が新しいファイルの数です。\r\n"
    "水色は基本から対象へ（↓）、薄い赤は対象から基本へ（↑）の向きを表し、"
    "フォルダ欄や集計欄でも同じ意味で使われます。\r\n"
    "\r\n"
    "■ 行ごとにコピーを選ぶ\r\n"
    "リストで行を選び（Ctrl や Shift を押しながらクリックすると複数選べます）、右クリック（またはアプリケーションキー、"
    "Shift+F10）のメニューか、メニューの [編集] で、その行をどうするかを選べます。\r\n"
    "・↓ 対象フォルダへコピー / ↑ 基本フォルダへコピー: 日時にかかわらず、その向きにコピーします"
    "（たとえば、新しい方を古い版で上書きしたいとき）。\r\n"
    "・コピーしない: その行はコピーしません。\r\n"
    "・自動の判定に戻す: 選んだ向きを取り消し、リストの判定に戻します。\r\n"
    "↓ では ↓ とコピーしない、↑ では ↑ とコピーしないだけが選べます。片方にしかないファイルは、"
    "ない側からはコピーできません。競合（？）の 2 行は一組で、どちらの行で選んでも両方の行に同じ向きが付き、コピーは 1 回です。\r\n"
    "選んだ行は転送欄の印の後ろに ＊ が付き、集計欄もその向きで数え直します。[同期実行] は選んだとおりにコピーし、"
    "置き換えたファイルの古い版はいつもどおりごみ箱に移ります。選んだ後にコピー先が変わっていたファイルは上書きせず、理由を示します。\r\n"
    "選んだ向きは、リストを作り直したとき、同期方向・フォルダ・２秒ルールを変えたときに消えます。\r\n"
    "\r\n"
    "■ 比べ方と２秒ルール\r\n"
    "ファイルはフォルダからの相対パスで組み合わせます（英字の大文字・小文字は区別しません）。"
    "サイズと更新日時（秒まで）が同じなら同じファイルとみなし、違えば日時の新しい側を新しいファイルとします。\r\n"
    "FAT 形式のドライブや一部の機器は更新日時を２秒単位で記録するため、同じファイルでも１〜２秒ずれることがあります。"
    "[２秒以内同時評価] を押しておくと、サイズが同じで日時の差が２秒以内のファイルを同じとみなします。"
    "この設定は保存され、次回の起動でも使われます。\r\n"
    "コピーはコピー先のフォルダの一時ファイルに書いてから置き換えるので、途中で失敗しても元のファイルは残ります。"
    "リストを作った後でコピー先の方が新しくなったファイルは上書きしません（↓↑ では同じ日時のものも）。"
    "コピーできなかったファイルは、同期後のリストに印が付いたまま残ります。\r\n"
    "\r\n"
    "■ 読めなかったもの・コピーできなかったもの\r\n"
    "何かがうまくいかなかったときだけ、メッセージでお知らせします。\r\n"
    "・リスト作成の後: 読めなかったフォルダ（アクセスできない、見つからないなど。システムの理由付き。"
    "そのフォルダのファイルはリストにありません）と、下に挙げるコピーしない名前。\r\n"
    "・同期実行の後（リストを作り直してから）: コピーできなかったファイルの数と、最初の10件の理由。"
    "[はい] を押すと、すべての一覧をメモ帳で開きます（コピーや保存ができます）。\r\n"
    "主な理由: コピー元がない・使用中、コピー先がリスト作成後に更新された、"
    "↓↑ で両方が同じ日時なのにサイズが違う（競合。向きを選べばコピーできます）、コピー先のフォルダを作れない、ディスクがいっぱい、アクセス拒否。\r\n"
    "・Windows で使えない名前（\\ / : * ? \" < > | を含む名前や CON、NUL などの予約名）と、"
    "リンク先のないリンクは、リストに載せず、コピーもせずに、リスト作成の後に理由を示します。\r\n"
    "・書きかけの一時ファイル（~mrv….tmp）はリストに載りません。"
    "強制終了などで残ったものは、次のリスト作成や同期で消えます。\r\n"
    "・読み取り専用や隠しファイルのコピー先: コピー元も同じ属性なら（前回のコピーで付いたものなので）置き換えます。"
    "コピー元にその属性がなければ、利用者が保護したファイルとみなして置き換えず、理由を示します。\r\n"
    "・フォルダへのリンク（ジャンクション、シンボリックリンク）はフォルダと同じようにたどりますが、"
    "自分の上位のフォルダを指すリンクは、同じファイルを何度もたどらないよう入らずに報告します。\r\n"
    "・サブフォルダを検索するとき、一方のフォルダがもう一方の中にある組み合わせは、"
    "同期のたびに自分の中へ複写されてしまうため、リストを作らずにお知らせします。\r\n"
    "\r\n"
    "■ ファイル名とパスの長さ\r\n"
    "フォルダの中のファイル名は、どの言語の文字でもそのままの名前で比べ、コピーします（アクセント付きのラテン文字、ハングル、絵文字なども）。"
    "Shift-JIS で書けない文字は、リストにはそのまま表示され、並び順では Shift-JIS のどの文字よりも後ろ、"
    "そうした文字どうしは文字コード（Unicode）の順になります。\r\n"
    "基本フォルダと対象フォルダそのもののパスは Shift-JIS で書ける必要があります。"
    "フォルダボタンでそうでないフォルダを選ぶと、お知らせして欄はそのままにします。\r\n"
    "フォルダの深さに制限はありません（Windows が許す 32,767 文字まで）。\r\n"
    "\r\n"
    "■ 置き換えたファイルとごみ箱\r\n"
    "同期でコピー先のファイルを置き換えるとき、古いファイルはそのドライブのごみ箱に移ります"
    "（新しいファイルを一時ファイルに書き終えてから移すので、途中で失敗しても古いファイルは元の場所に残ります）。"
    "間違った版で上書きしたときは、ごみ箱を開き、元のファイル名のファイルを選んで [元に戻す] を押すと、元の場所に戻ります"
    "（同じ名前の新しいファイルがあるときは、先にそちらの名前を変えるか別の場所に移してください）。"
    "新しく作られるファイルは、そのままコピーされます。\r\n"
    "・古いファイルをごみ箱に移せなかったときは、コピー先をそのままにして、コピーできなかったファイルとしてお知らせします。\r\n"
    "・ごみ箱のないドライブ（ネットワーク上のフォルダ、USB メモリなどの取り外せるドライブ）や、"
    "パスが 260 文字を超えるファイルでは、古いファイルはごみ箱に移らずに置き換えられます。"
    "その場合は同期の後に、どのファイルだったかをお知らせします（コピーはされています）。\r\n"
    "・[オプション] → [除外パターンとごみ箱] の [置き換えるファイルの古い版をごみ箱に移す] を外すと、"
    "ごみ箱を使わずに置き換えます（大きなファイルでごみ箱がいっぱいになるのを避けたいときなど）。\r\n"
    "\r\n"
    "■ 内容の確認と内容での比較\r\n"
    "[オプション] → [除外パターンとごみ箱] の二つのチェックで、日時とサイズだけに頼らずにファイルの中身を読みます"
    "（どちらも既定では外れていて、読む分だけ時間がかかります）。\r\n"
    "・コピー後に内容を確認する: コピーを書き終えたら、コピー先のドライブから読み直して（できるときはキャッシュを通さずに）"
    "コピー元と 1 バイトずつ比べ、同じときだけコピー先を置き換えます。違っていたらもう一度コピーし、"
    "それでも違えばコピー先はそのままにして、コピーできなかったファイルとして理由を示します。\r\n"
    "・内容で比較する: 両方にあってサイズが同じファイルを 1 バイトずつ比べます（違いが見つかったところで止めます）。"
    "中身が同じなら、日時が違っても = でコピーしません（バックアップから戻したフォルダなど）。"
    "中身が違うのに日時が同じ（２秒ルールなら２秒以内）ときは、どちらが新しいか決められないので"
    "転送欄 ？・状態欄 ≠（オレンジ色の行）にして自動ではコピーせず、同期の後にお知らせします。"
    "右クリックのメニューで向きを選べばコピーされます。日時もサイズも違うファイルは、いつもどおり日時で決めます。"
    "比べている間は、進行状況の窓に比べたバイト数が表示されます。\r\n"
    "\r\n"
    "■ 除外パターン\r\n"
    "[オプション] → [除外パターンとごみ箱] で、リストに含めないファイルやフォルダの名前を 1 行に 1 つ書きます。"
    "当てはまるものは両方のフォルダで、無いものとして扱われます（行にも集計にも出ず、コピーもされません）。\r\n"
    "・* は任意の文字列、? は任意の 1 文字です。大文字と小文字は区別しません。パスではなく名前だけに合わせます。\r\n"
    "・末尾が \\ のパターン（例: cache\\）はフォルダだけに合い、そのフォルダの中は調べません。"
    "それ以外のパターンはファイルとフォルダの両方に合います。\r\n"
    "・[よく使うパターンを追加] で ~$*（Office の作業中ファイル）、Thumbs.db、desktop.ini、*.tmp、.DS_Store を一度に追加できます。\r\n"
    "・パターンはすべてのお気に入りに共通です（お気に入りごとには保存されません）。"
    "パターンを変えると、今のリストは消えます。\r\n"
    "\r\n"
    "■ お気に入り\r\n"
    "名前・基本フォルダ・対象フォルダ・同期方向の組をお気に入りとして保存できます。"
    "一覧から呼び出したとき、フォルダが見つからなければ短い間お知らせを表示します"
    "（表示時間はオプションの [フォルダ警告時間] で決まります）。\r\n"
    "お気に入りはお気に入りファイル（既定ではプログラムと同じフォルダの Mirvalen.bdt）に保存されます。\r\n"
    "\r\n"
    "■ オプション（メニューの [オプション] → [設定]）\r\n"
    "・サブフォルダは検索しない: 各フォルダの直下のファイルだけを比べます。\r\n"
    "・ルートファイルを先に表示する: フォルダ直下のファイルをリストの先頭に並べます。\r\n"
    "・同一ファイルは非表示: = の行をリストに表示しません（集計には数えます）。\r\n"
    "・フォルダ警告時間: フォルダが見つからないお知らせの表示時間（100〜3000 ミリ秒）です。\r\n"
    "・お気に入りファイル: お気に入りを保存するファイルです。フォルダボタンで別のフォルダを選ぶと、"
    "そこの Mirvalen.bdt からお気に入りを読み込みます。\r\n"
    "除外パターンとごみ箱の設定は、[オプション] → [除外パターンとごみ箱] で変えます（上を参照）。\r\n"
    "設定はプログラムと同じフォルダの Mirvalen.ini に、終了時とお気に入りの登録時に保存されます"
    "（除外パターンはキー EXCLUDE に | 区切りで、ごみ箱の使用はキー RECYCLE に、コピー後の確認は VERIFY に、"
    "内容での比較は CONTENT に 1 / 0 で）。\r\n"
    "\r\n"
    "■ コマンドライン版 mirvalen-cli.exe\r\n"
    "画面を使わずに、バッチファイルや定期実行から同じ比較とコピーができます。\r\n"
    "  mirvalen-cli list 基本フォルダ 対象フォルダ [オプション]\r\n"
    "      比較リストと集計を表示します（タブ区切り）。\r\n"
    "  mirvalen-cli sync 基本フォルダ 対象フォルダ [オプション]\r\n"
    "      コピーを実行し、作り直したリストを表示します。\r\n"
    "  mirvalen-cli favorites お気に入りファイル\r\n"
    "      お気に入りの一覧を表示します。\r\n"
    "  mirvalen-cli sync --favorite 名前\r\n"
    "      お気に入りのフォルダと同期方向で同期します。\r\n"
    "オプション\r\n"
    "  --down / --up / --both   同期方向（↓ / ↑ / ↓↑）\r\n"
    "  --two-second             ２秒以内の差を同じとみなします\r\n"
    "  --no-subfolders          サブフォルダを検索しません\r\n"
    "  --root-first             ルートファイルを先に並べます\r\n"
    "  --hide-same              = の行を表示しません\r\n"
    "  --utf8                   UTF-8 で出力します\r\n"
    "  --log ファイル           実行の記録をファイルに追記します（UTF-8）\r\n"
    "  --copy-workers N         同時に行うコピーの数（1〜8。既定はプロセッサの数に応じて 2〜4、1 なら一つずつ）\r\n"
    "  --no-recycle             置き換えるファイルの古い版をごみ箱に移しません\r\n"
    "  --exclude パターン       名前がパターンに合うファイル・フォルダを除きます（何度でも指定できます）\r\n"
    "  --verify                 コピー後に内容を読み直して確認します\r\n"
    "  --compare-content        サイズが同じファイルを内容で比べます\r\n"
    "  --conflict skip|base|target\r\n"
    "                           競合（↓↑ で同じ日時なのにサイズが違う、または内容で比べて同じ日時なのに内容が違う）をどうするか: skip はコピーせずに標準エラーに出力し"
    "終了コード 5（既定）、base は基本側を対象側へ、target は対象側を基本側へコピーします（古い版はごみ箱へ）\r\n"
    "  --help                   使い方を表示します\r\n"
    "読めなかったフォルダとコピーできなかったファイルは、標準エラーに 1 件 1 行（パス、タブ、理由）で出力します。\r\n"
    "ごみ箱のないドライブで古い版をごみ箱に移さずに置き換えたファイルも、同じ形で標準エラーに出力しますが、"
    "コピーはされているので終了コードには影響しません。"
    "コマンドライン版が Mirvalen.ini から読むのはお気に入りファイルの場所だけなので、除外パターンは --exclude で指定します。\r\n"
    "終了コード\r\n"
    "  0  完了（すべてのフォルダを読み、印の付いたファイルをすべてコピーした）\r\n"
    "  2  引数の誤り（サブフォルダを検索するときに一方のフォルダがもう一方の中にある場合も）\r\n"
    "  3  フォルダが見つからない\r\n"
    "  4  中断（Ctrl+C）\r\n"
    "  5  終わったが、読めなかったもの・コピーできなかったものがある（標準エラーを参照）\r\n"
    "  6  --log のファイルに書き込めない（始めからなら何もしていない。途中からなら実行は続けたが記録が欠けている）\r\n";

// The help window: a plain top-level window with one read-only edit that
// fills it. It releases itself when it is closed.
class CHelpWnd : public MessageMapped<CHelpWnd, CWnd> {
public:
    static std::span<const MessageEntry<CHelpWnd>> MessageMap()
    {
        static const MessageEntry<CHelpWnd> map[] = {
            OnMessage<CHelpWnd>(WM_CREATE, &CHelpWnd::OnCreate),
            OnMessage<CHelpWnd>(WM_SIZE, &CHelpWnd::OnSize),
            OnMessage<CHelpWnd>(WM_SETFOCUS, &CHelpWnd::OnSetFocus),
        };
        return map;
    }

    bool Open(HWND owner);

protected:
    void OnFinalMessage() override;

private:
    LRESULT OnCreate(WPARAM, LPARAM);
    LRESULT OnSize(WPARAM, LPARAM size);
    LRESULT OnSetFocus(WPARAM, LPARAM);

    HWND m_text = nullptr;
    Font m_font;
};

CHelpWnd* g_open = nullptr;

bool CHelpWnd::Open(HWND owner)
{
    WNDCLASSA wc{};
    wc.hInstance = AppInstance();
    wc.hIcon = LoadIconA(AppInstance(), MAKEINTRESOURCEA(IDI_MIRVALEN));
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kHelpClass;
    int dpi = WindowDpi(owner);
    SIZE size{ScaleToDpi(kWidth, dpi), ScaleToDpi(kHeight, dpi)};
    if (!RegisterWindowClass(wc) || !CreateEx(0, kHelpClass, "Mirvalen ヘルプ", WS_OVERLAPPEDWINDOW, size, owner))
        return false;
    CenterWindow();
    ShowWindow(m_hWnd, SW_SHOW);
    return true;
}

LRESULT CHelpWnd::OnCreate(WPARAM, LPARAM)
{
    int dpi = WindowDpi(m_hWnd);
    m_font.Reset(CreateProgramFont(-ScaleToDpi(kTextHeight, dpi)));
    m_text = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", kHelpText,
                             WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0,
                             0, 0, m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTextId)), AppInstance(),
                             nullptr);
    if (!m_text)
        return -1;
    ::SendMessageA(m_text, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), FALSE);
    RECT client;
    GetClientRect(m_hWnd, &client);
    MoveWindow(m_text, 0, 0, client.right, client.bottom, FALSE);
    return 0;
}

LRESULT CHelpWnd::OnSize(WPARAM, LPARAM size)
{
    MoveWindow(m_text, 0, 0, LOWORD(size), HIWORD(size), TRUE);
    return 0;
}

LRESULT CHelpWnd::OnSetFocus(WPARAM, LPARAM)
{
    SetFocus(m_text);
    return 0;
}

// The window closes through the default processing, outside this object's
// handlers, so the object may go at once. A window whose creation failed
// after WM_NCCREATE ends here too.
void CHelpWnd::OnFinalMessage()
{
    if (g_open == this)
        g_open = nullptr;
    delete this;
}

} // namespace

void ShowHelpContents(HWND owner)
{
    if (g_open) {
        ShowWindow(g_open->m_hWnd, SW_RESTORE);
        SetForegroundWindow(g_open->m_hWnd);
        return;
    }
    // Open before the window exists, so that a window gone during its creation releases it.
    g_open = new CHelpWnd;
    if (!g_open->Open(owner) && g_open)  // no window ever came: nothing released it
        delete std::exchange(g_open, nullptr);
}

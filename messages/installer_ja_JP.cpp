// Japanese texts of the installer messages.
// Loaded after the English table, so each text here replaces the English text of its key;
// the English-only keys are left out and keep their English texts.
#include "messages/MessageLoaders.h"

namespace {

const MessagePair kTable[] = {
    {"Kitwright", "Zarni インストーラ"},
    {"usage_cmd_list_tail",
     "例：\n"
     "  利用可能な製品を一覧表示する：\n"
     "    list\n"
     "  デフォルトのティアで利用可能な最新の Zarni リリースを一覧表示する：\n"
     "    list %1%\n"
     "  利用可能なすべての Zarni リリースを一覧表示する：\n"
     "    list %1% all\n"
     "  利用可能な最新の Zarni プレビューリリース（'testing' ティア）を表示する：\n"
     "    list %1% testing\n"
     "  Zarni %2% のコンポーネントを一覧表示する（製品 ID とバージョンで選択）：\n"
     "    list %1% %2% --components\n"
     "  Zarni %2% のインストールプリセットを一覧表示する（リリース ID で選択）：\n"
     "    list %3% --presets\n"},
    {"usage_cmd_install_tail",
     "例：\n"
     "  一般提供されている最新の Zarni リリースの推奨コンポーネントセットを\n"
     "  インストールする：\n"
     "    install\n"
     "  利用可能な最新の Zarni プレビューリリースをインストールする：\n"
     "    install testing\n"
     "  Zarni %2% をインストールする（バージョンで選択）：\n"
     "    install %1% %2%\n"
     "  Java サポートと Horde Web メールを除く Zarni の全コンポーネントを\n"
     "  インストールする（リリースは ID で選択）：\n"
     "    install %3% --preset Full --without java horde\n"},
    {"usage_cmd_upgrade_tail",
     "例：\n"
     "  Zarni %2% にアップグレードする（製品 ID とバージョンで選択）：\n"
     "    upgrade %1% %2%\n"
     "  Zarni %2% にアップグレードする（リリース ID で選択）：\n"
     "    upgrade %3%\n"
     "  利用可能な最新の「安定」Zarni リリースにアップグレードする：\n"
     "    upgrade %1% stable\n"},
    {"usage_cmd_update_tail",
     "例：\n"
     "  インストール済みのすべての製品に、利用可能な最新の更新をインストールする：\n"
     "    update\n"
     "  Zarni のインストールを更新する：\n"
     "    update %1%\n"
     "  Zarni の更新のみをインストールし、可能であれば Zarni が管理する他のサービスは\n"
     "  更新しない（'%1%' 製品にのみ適用）：\n"
     "    update --panel-only\n"},
    {"usage_selector",
     "SELECTOR には次のいずれかを指定します：\n"
     "  製品 ID       例：'%1%'\n"
     "  リリースティア     例：'stable'、またはティアで絞り込まない場合は 'all'\n"
     "  リリースバージョン  例：'%2%'\n"
     "  リリース ID       例：'%3%'\n"
     "\n"
     "有効なセレクタを確認するには、'list' コマンドを使用してください。\n"},
    {"usage_product",
     "PRODUCT は製品 ID セレクタです。例：'%1%'。\n"
     "有効な製品 ID を確認するには、'list' コマンドを使用してください。\n"},
    {"download_file", "ファイルをダウンロードしています "},
    {"download_total_progress", "（%s / %s）"},
    {"download_retry_progress", " （再試行 %s / %s）"},
    {"download_retry", "%s。%s 秒後に再試行します..."},
    {"progress_stage_init", "Zarni インストーラが起動しました"},
    {"progress_stage_prep", "システムを準備しています"},
    {"progress_stage_resolv", "パッケージを解決しています"},
    {"progress_stage_download", "パッケージをダウンロードしています"},
    {"dpkg_register_new_arch", "%s アーキテクチャのサポートを登録しています"},
    {"examine_unpassed", "コンポーネントと製品の検証で、重要な問題が少なくとも 1 つ検出されました："},
    {"examine_post_results", "コンポーネントと製品のチェック結果："},
    {"examine_signal", "チェックはシグナル %s により終了しました。"},
    {"examine_time_limit", "チェックが %s 秒以内に終わらなかったため、停止しました。"},
    {"check_system_packages", "インストール済みのパッケージを確認しています... "},
    {"read_system_packages", "インストール済みのパッケージの情報を取得しています... "},
    {"status_not_locked", "Zarni インストーラは実行されていません。"},
    {"status_locked_by_another", "更新操作は別の更新プロセスによってロックされています。"},
    {"status_daemon_launched", "Zarni インストーラのデーモンが起動しました。"},
    {"status_busy", "別の Zarni インストーラのインスタンスが既に実行中です。"},
    {"error_sys_stable", "一部のパッケージがインストールされませんでした。"},
    {"error_sys_unsure", "警告！一部のパッケージがインストールされませんでした。\nシステムサービスが動作しているかどうかを確認してください。"},
    {"error_sys_broken", "注意！ソフトウェアが動作しない可能性があります。"},
    {"error_rep_none", ""},
    {"error_rep_again", "後でもう一度パッケージのインストールをお試しください。"},
    {"error_supp_none", "この問題を解決してから、もう一度パッケージのインストールをお試しください。"},
    {"components_allready_installed", "製品の最新バージョンと、選択したすべてのコンポーネントが既にインストールされています。インストールを続行しません。"},
    {"releases_no_avail",
     "お使いのオペレーティングシステム\n"
     "\"%s\" はサポートされていないため、インストールを続行しません。\n"
     "\n"
     "サポートされているオペレーティングシステムの完全なリストは、\n"
     "Zarni のリリースノートを参照してください。\n"},
    {"insttypes_page_hdr1", "%s のインストールタイプを選択してください"},
    {"components_page_body2", "インストールする %s のコンポーネントを選択してください:"},
    {"components_page_num_selected", "%s / %s 個のコンポーネントを選択済み"},
    {"options_page_body2", "%s コンポーネントのパラメータを指定する必要があります。"},
    {"options_page_body5", "\nコンポーネント '%s'：必須パラメータはすべて定義されました。\n"},
    {"packages_page_body_install",
     " 製品が正しく動作するために必要な %s 個のパッケージが、\n"
     "システムに見つかりませんでした。\n"},
    {"packages_page_body_upgrade",
     "製品をインストールするには、%s 個のパッケージを\n"
     "アップグレードする必要があります。\n"},
    {"packages_page_body_remove", "インストール済みの %s 個のパッケージが削除されます。\n"},
    {"install_start", "システムに変更を適用しています"},
    {"install_ok", "変更は正常に適用されました。"},
    {"err_send_mail", "警告：インストールレポートを電子メールで送信できませんでした。"},
    {"err_read_prodsinfo", "製品情報の読み取りに失敗したファイル： "},
    {"warn_deprecated_option", "警告：コマンドラインオプション '%s' は廃止予定のため、無視されます。"},
    {"err_chk_md5", "ファイルの checksum の計算に失敗しました　"},
    {"new_build_avail", "警告：サーバで新しい製品ビルドが利用可能です。"},
    {"added_comps_by_deps", "選択したコンポーネントに必要なため、次のコンポーネントがインストールされます："},
    {"removed_comps_by_deps", "インストールするよう選択したコンポーネントと競合するため、または削除するよう選択したコンポーネントを必要とするため、次のコンポーネントが削除されます："},
    {"err_dep_from_pkg_unresolved", "%s: 依存関係 \"%s\" に\n適切な解決策が見つかりませんでした。\n"},
    {"err_pkg_downgrade", "'%s' パッケージをバージョン %s にダウングレードできません：\n  現在バージョン %s がインストールされています。"},
    {"err_pkg_clash", "パッケージ \"%s\" と \"%s\" は同時にインストールできません"},
    {"err_pkg_fileconfl", "ファイル \"%s\" と競合するため"},
    {"err_pkg_depconfl", "\"%s\" が \"%s\" と競合するため。"},
    {"pkg_select_reason", "パッケージ \"%s\" は、次の依存関係のために選択されました："},
    {"pkg_select_depend", "  \"%s\"（\"%s\" から）"},
    {"deps_report_head", "インストール失敗の原因として次が考えられます:"},
    {"deps_long_report", "その他の問題も検出されました。詳しくは、\nログファイルを参照してください：%s。\n"},
    {"user_canceled", "ユーザにより中断されました"},
    {"goto_webinterface_url", "\nWeb インターフェースが起動しました。\nブラウザで %s に進んでください。\n\n"},
    {"upgrade_from_not_supported_versions", "%s は %s 以前にのみアップグレードできます。最新バージョンにアップグレードする場合は、次の記事を参照してください：%s"},
    {"stop_already_stopped", "Zarni インストーラは実行されていません。"},
    {"stop_sent", "Zarni インストーラの停止を要求しました。"},
    {"download_completed", "ダウンロード済み"},
    {"download_done", "完了"},
    {"download_all_done", "すべてのファイルがダウンロードされました。"},
    {"download_ext_catalog_feed", "拡張カタログのフィードをダウンロードしています..."},
    {"process_apt_get_update", "APT パッケージインデックスを更新しています..."},
    {"question_continue", "続行しますか?"},
    {"question_show_settings",
     "インストール元、接続、またはインストーラの設定に問題がある可能性があります。\n"
     "回復できないエラーのため、インストーラを終了します。\n"
     "現在のインストーラの設定とその変更方法を表示しますか？"},
    {"examine_presetup", "インストール前にコンポーネントと製品をチェックしています"},
    {"examine_postsetup", "インストール後にコンポーネントと製品をチェックしています"},
    {"examine_perform", "コンポーネントと製品をチェックしています..."},
    {"examine_skip_yesno",
     "検出された問題を解決せずにインストールまたはアップグレードを続行すると、\n"
     "データが破損する可能性があります。\n"},
    {"wizard_current_settings", "現在の設定："},
    {"yesno_retry", "「はい」の場合は「Y」、「いいえ」の場合は「N」を入力してください"},
    {"message_press_enter", "（Enter キーを押して続行）"},
    {"releases_reporter_no_updates", "利用可能な更新はありません。"},
    {"releases_reporter_list_empty", "インストール可能な製品はありません。"},
    {"releases_page_hdr", "製品とバージョン"},
    {"releases_page_body", "次の製品バージョンが利用可能です："},
    {"releases_no_selected", "製品バージョンが選択されていません。"},
    {"releases_upgrade_request1", "製品バージョン "},
    {"releases_upgrade_request2",
     " がインストールされています。\n"
     "アップグレードしますか？"},
    {"wizard_legend_header", "実行できる操作："},
    {"wizard_legend_f_forward", "(F) 続行"},
    {"wizard_legend_b_back", "(B) 戻る"},
    {"wizard_legend_q_quit", "(Q) インストールをキャンセル"},
    {"wizard_legend_s_advanced_settings", "(S) 詳細設定を表示"},
    {"wizard_legend_a_select_all", "(A) すべて選択"},
    {"wizard_legend_d_deselect_all", "(D) すべて選択解除"},
    {"wizard_legend_f_forward_specify_params", "(F) 続行してパラメータを指定"},
    {"wizard_legend_f_forward_skip_params", "(F) パラメータを変更せずに続行"},
    {"wizard_legend_u_specify_undefined_params", "(U) 続行して未定義のパラメータのみを指定"},
    {"wizard_legend_r_redefine_params_all", "(R) すべてのパラメータを再定義"},
    {"wizard_legend_r_redefine_params_one", "(R) このコンポーネントのパラメータを再定義"},
    {"wizard_legend_s_show_packages", "(S) パッケージのリストを表示"},
    {"wizard_prompt_action", "操作を選択してください"},
    {"wizard_prompt_action_retry", "上の凡例にある文字のいずれかを入力してください"},
    {"wizard_prompt_action_or_number", "操作または番号を選択してください"},
    {"wizard_prompt_action_or_number_retry", "番号、または上の凡例にある操作の文字を入力してください"},
    {"wizard_prompt_number", "番号を選択してください"},
    {"wizard_prompt_number_retry", "上のリストにある番号のいずれかを入力してください"},
    {"hello_page_hdr", "Zarni インストールおよびアップグレードウィザード"},
    {"hello_page_body",
     "このウィザードでは、Zarni のインストール、より新しいリリースへのアップグレード、\n"
     "コンポーネントの追加と削除を行うことができます。\n"
     "\n"
     "------ 重要 ------\n"
     "\n"
     "* Zarni をアップグレードする前、またはコンポーネントを削除する前に、データを\n"
     "  バックアップしてください。\n"
     "\n"
     "* パッケージのインストール中は、インストールを中断しないでください。\n"
     "\n"
     "* Zarni は Zarni エンドユーザ使用許諾契約に基づいて配布されます。続行する前に\n"
     " http://www.zarni.example/legal/terms/ で条件をお読みください（インストールで同意とみなされます）。\n"},
    {"source_product_source", " 製品のインストール元："},
    {"source_target_dir", " ダウンロードしたファイルの保存場所："},
    {"source_from_zarni", "Zarni アップデートサーバ"},
    {"source_from_network", "ネットワーク上の場所"},
    {"source_from_local", "ローカルディレクトリ"},
    {"proxy_no_proxy", " プロキシを使用しない"},
    {"proxy_no_auth", " プロキシ認証を使用しない"},
    {"proxy_proxy_host", " HTTP プロキシを使用する (ホスト:ポート): "},
    {"proxy_auth", " プロキシ認証を使用する、ユーザ名： "},
    {"settings_download_retries", " ダウンロード中の最大試行回数："},
    {"settings_page_hdr", "詳細設定"},
    {"settings_page_body",
     "これらの設定（製品配布パッケージの場所、ダウンロードしたファイルの保存場所、\n"
     "プロキシ設定、ダウンロード設定）は、コマンドラインまたは構成ファイルで\n"
     "設定できます。\n"
     "\n"
     " コマンドライン             | 構成ファイル             | 説明\n"
     "----------------------------+--------------------------+--------------------\n"
     " --source <URL またはパス>  | SOURCE=<URL またはパス>  | インストール元\n"
     " --target <dir>             | TARGET=<dir>             | ダウンロード先\n"
     " --proxy-host <ホスト>      | PROXY_HOST=<ホスト>      | プロキシホスト\n"
     " --proxy-port <ポート>      | PROXY_PORT=<ポート>      | プロキシポート\n"
     " --proxy-user <ユーザ>      | PROXY_USER=<ユーザ>      | プロキシのユーザ名\n"
     " --proxy-password <パス>    | PROXY_PASSWORD=<パス>    | プロキシのパスワード\n"
     " --download-retry-count <N> | DOWNLOAD_RETRY_COUNT=<N> | ダウンロード再試行回数\n"
     "\n"
     "コマンドライン引数は構成ファイルより優先されます。インストーラは起動時に\n"
     "構成ファイルを読み取ります。各設定は 1 行に 1 つずつ記述してください\n"
     "（例：PROXY_PORT=3128）。\n"},
    {"settings_page_cfg", "インストーラの構成ファイルの場所："},
    {"insttypes_page_hdr", "インストールタイプ"},
    {"insttypes_page_body", "インストールタイプとは、事前定義されたコンポーネントのセットです。いずれかを選択してください:"},
    {"components_page_hdr", "主要コンポーネントのリスト"},
    {"components_page_hdr1", "次の製品の主要コンポーネントのリスト： "},
    {"components_page_body1", "次の製品のコンポーネントを表示:"},
    {"components_page_body3", "インストールするコンポーネントを選択してください："},
    {"components_page_bottom_toggle_components", "番号を入力すると、対応するコンポーネントの選択が切り替わります。"},
    {"components_page_bottom_toggle_groups",
     "番号を入力すると、対応するコンポーネントの選択が切り替わるか、グループ（<+> で表示）が表示されます。"},
    {"components_toggle_also", "このコンポーネントの状態を切り替えるには、次の操作も必要です："},
    {"components_install_also", "以下のコンポーネントをインストールまたはアップグレードします。"},
    {"components_install_remove_them", "実行しますか？"},
    {"components_remove_also", "以下のコンポーネントを削除します。"},
    {"components_unmark_also", "以下のコンポーネントを選択解除します。"},
    {"components_atleast_one", "続行するには、少なくとも 1 つのコンポーネントを選択する必要があります。"},
    {"components_deny_implicit_remove",
     "このコンポーネントまたはコンポーネントのグループを削除するには、まず非明示的には削除できない以下のコンポーネントを削除する必要があります。"},
    {"components_group_toggle_also", "これらのコンポーネントの状態を切り替えるには、次の操作も必要です："},
    {"components_group_deny_conflict",
     "これらのコンポーネントの状態を切り替えると、以下のコンポーネントの依存関係が壊れるため、切り替えることはできません。"},
    {"components_group_deny_conflict_suggestion", "代わりに、コンポーネントを 1 つずつ切り替えてみてください。"},
    {"need_also_message", "選択したコンポーネントには、次のコンポーネントのパッケージのインストールが必要です： \n"},
    {"need_also_remove_message", "選択したコンポーネントには、次のコンポーネントのパッケージの削除が必要です： \n"},
    {"options_page_hdr", "コンポーネントのパラメータ"},
    {"options_page_body1", " 個のインストール対象のコンポーネントで、いくつかのパラメータを指定する必要があります。\n"},
    {"options_page_body3", "必須パラメータをすべて今すぐ指定する必要があります。\n"},
    {"options_page_body4", "これらのすべてのコンポーネントのパラメータは既に定義されています。\n"},
    {"packages_page_hdr", "パッケージの変更"},
    {"packages_no_reqpackages", "インストール、アップグレード、または削除が必要なパッケージはありません。"},
    {"install_remove", "パッケージを削除しています： "},
    {"install_again", "お知らせ：Zarni インストーラがパッケージをインストールしている間に、新しい製品ビルドがリリースされました。インストールしますか？"},
    {"install_install_package", "パッケージをインストールしています： "},
    {"checking_comps_status", "インストール済みの製品コンポーネントを検出しています。"},
    {"checking_deps", "パッケージの依存関係を確認しています..."},
    {"err_set_proxyvar", "警告：パッケージマネージャのプロキシ環境変数を設定できませんでした。"},
    {"err_no_librpm", "エラー: RPM パッケージデータベースを読み取るライブラリ librpm を読み込めません。"},
    {"err_no_pagers", "警告：'less' と 'more' のどちらのユーティリティも見つかりません。"},
    {"installling_pkgs", "パッケージをインストールしています"},
    {"installing_pkglist", "次のパッケージをインストールしています："},
    {"warn_apt_cdrom_in_source",
     "警告：APT ソースリストに CD/DVD のソースが含まれています。Zarni インストーラは\n"
     "停止してディスクを待つ場合があります。ディスクがない場合は、\n"
     "/etc/apt/sources.list と /etc/apt/sources.list.d/ 内のファイルから cdrom の行を\n"
     "削除して、インストールを再度実行してください。"},
    {"retype_password", "パスワードを再入力してください： "},
    {"webinterface_exit_by_timeout", " 長時間操作がなかったため、Zarni インストーラを終了しました。"},
    {"ask_customer_feedback",
     "問題が発生したときにエラーレポートを Zarni の開発者に送信して、\n"
     "Zarni の改善に協力しますか？"},
    {"press_enter_to_exit", "終了するには ENTER キーを押してください..."},
    {"comps_no_options", "一覧のコンポーネントには、いずれも設定がありません。"},
    {"options_select_all_IPs", "すべての IP アドレスを選択"},
    {"searching_need_pkgs", "必要なパッケージを検索しています..."},
    {"confirm_uninstallation", "%s とそのすべてのコンポーネントを削除してもよろしいですか？"},
    {"confirm_uninstallation_title", "%s の削除"},
    {"cancel_uninstallation", "削除をキャンセル"},
    {"error_supp_maybe", "この問題を解決してから、もう一度パッケージのインストールをお試しください。解決策は Zarni サポートサイト https://support.zarni.example/ で検索できます。"},
    {"usage_header",
     "使用方法：installer [OPTIONS]\n"
     "\n"
     "Zarni インストーラは、Zarni 製品とそのコンポーネントのインストール、\n"
     "アップグレード、削除を行います。オプションを指定せずに実行すると、\n"
     "コンソールで対話型ウィザードが起動します。\n"
     "\n"},
    {"usage_download",
     " ダウンロードオプション：\n"
     "    --source <URL または絶対パス>\n"
     "                         指定したアップデートサーバまたはミラー、\n"
     "                         あるいはローカルディレクトリから製品を取得します。\n"
     "                         値の例：\n"
     "                           http://updates.zarni.example/\n"
     "                           http://mirror.zarni.example/zarni/\n"
     "                           /root/kestavine/mirror/\n"
     "\n"
     "    --target <dir>       ダウンロードしたファイルを指定したディレクトリに\n"
     "                         保存します。\n"
     "                         値の例：\n"
     "                           /root/kestavine\n"
     "\n"
     "    --download-retry-count <number>\n"
     "                         失敗したダウンロードを再試行する回数\n"
     "                         （デフォルト：3）。\n"
     "\n"},
    {"usage_proxy",
     " プロキシオプション：\n"
     "    --proxy-host <host>  プロキシサーバのホスト名または IP アドレス。\n"
     "\n"
     "    --proxy-port <port>  プロキシサーバのポート（デフォルト：3128）。\n"
     "\n"
     "    --proxy-user <user>  プロキシ認証のユーザ名。\n"
     "\n"
     "    --proxy-password <password>\n"
     "                         プロキシ認証のパスワード。\n"
     "\n"},
    {"usage_selectors",
     " 製品とリリースの選択オプション：\n"
     "    --select-product-id <製品 id>\n"
     "                         以降のオプションの対象となる製品を選択します。\n"
     "                         製品のリリースは次のいずれかのオプションで\n"
     "                         選択します：\n"
     "                           --select-release-id, --select-release-latest,\n"
     "                           --select-release-current\n"
     "\n"
     "    --select-release-id <release id>\n"
     "                         指定した ID のリリースを選択します。\n"
     "\n"
     "    --select-release-latest\n"
     "                         製品の利用可能な最新リリースを選択します。\n"
     "\n"
     "    --select-release-current\n"
     "                         製品のインストール済みのリリースを選択します。\n"
     "\n"
     "    --tier <tiers>       指定したティアのリリースのみを提示します。\n"
     "                         stable,testing のようにカンマ区切りのリストで\n"
     "                         指定します。デフォルトは\n"
     "                         \"stable,release,current\" です。\n"
     "\n"
     "    --all-versions       リリースをティアで絞り込みません。このオプションを\n"
     "                         指定すると、Zarni Installer はプレビューリリースを\n"
     "                         含むすべてのティアのリリースを提示します。\n"
     "\n"},
    {"usage_install",
     " インストールオプション：\n"
     "    --installation-type <type name>\n"
     "                         選択した製品リリースの、指定したインストール\n"
     "                         タイプ（'Recommended' や 'Full' など）の\n"
     "                         コンポーネントをインストールします。\n"
     "                         例：\n"
     "                         1) 最新の Zarni の推奨コンポーネント：\n"
     "                           --select-product-id zarni --select-release-latest \\\n"
     "                           --installation-type Recommended\n"
     " 2) Zarni リリース ZARNI_12_5_30 の全コンポーネント：\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --installation-type Full\n"
     "\n"
     "    --install-component <コンポーネント id>\n"
     "                         選択した製品リリースの指定したコンポーネントを\n"
     "                         インストールします。複数のコンポーネントを\n"
     "                         インストールするには、このオプションを繰り返します。\n"
     "                         例：\n"
     "                         1) インストール済みの Zarni に Horde Web メールを追加：\n"
     "                           --select-product-id zarni --select-release-current \\\n"
     "                           --install-component horde\n"
     "                         2) Zarni 12.5.30（パネルと Postfix）をインストール：\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --install-component panel --install-component postfix\n"
     "\n"
     "    --set-option <setting_name>=<setting_value>\n"
     "                         直前の --select-product-id で指定した製品の\n"
     "                         コンポーネント設定を設定します。複数の設定を\n"
     "                         指定するには、このオプションを繰り返します。\n"
     "\n"},
    {"usage_remove",
     " 削除オプション：\n"
     "    --remove-component <コンポーネント id>\n"
     "                         選択した製品の指定したコンポーネントを削除します。\n"
     "                         複数のコンポーネントを削除するには、このオプションを\n"
     "                         繰り返します。\n"
     "                         例：\n"
     "                         1) Zarni から Horde Web メールを削除：\n"
     "                           --select-product-id zarni --remove-component horde\n"
     "                         2) 2 つのコンポーネントを一度に削除：\n"
     "                           --select-product-id zarni \\\n"
     "                           --remove-component horde \\\n"
     "                           --remove-component postfix\n"
     "\n"
     "    --remove-everything  選択した製品のすべてのコンポーネント、\n"
     "                         つまり製品そのものを削除します。\n"
     "                         例（Zarni を削除）：\n"
     "                           --select-product-id zarni --remove-everything\n"
     "\n"
     "    --interactive-uninstall\n"
     "                         --remove-everything と共に指定すると、\n"
     "                         Zarni インストーラは終了前に Enter キーを待ちます。\n"
     "\n"},
    {"usage_upgrade",
     " アップグレードオプション：\n"
     "    --upgrade-installed-components\n"
     "                         選択した製品のインストール済みのコンポーネントを、\n"
     "                         選択したリリースにアップグレードします。\n"
     "                         例：\n"
     "                         1) インストール済みの Zarni に最新の更新を適用：\n"
     "                           --select-product-id zarni --select-release-current \\\n"
     "                           --upgrade-installed-components\n"
     "                         2) Zarni をリリース ZARNI_12_5_30 にアップグレード：\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --upgrade-installed-components\n"
     "\n"
     "    --include-components-from-class <class>\n"
     "                         選択した製品のインストール済みのコンポーネントの\n"
     "                         うち、指定したクラス（例：aspect=panel）に属する\n"
     "                         ものだけをアップグレードします。複数のクラスを\n"
     "                         指定するには、このオプションを繰り返します。\n"
     "\n"},
    {"usage_no_warn",
     " コンポーネントのチェックオプション：\n"
     "    \n"
     "    --skip-components-check\n"
     "                         インストールの前後に、コンポーネントと製品の\n"
     "                         チェックを実行しません。Zarni Installer は\n"
     "                         データを破損する可能性のある問題を見つけるために\n"
     "                         これらのチェックを実行するため、インストールが\n"
     "                         安全であると確信できる場合にのみスキップしてください。\n"
     "\n"},
    {"usage_list",
     " 製品、リリース、コンポーネントの一覧表示オプション：\n"
     "    --show-releases      選択した製品（製品が選択されていない場合は Zarni）の\n"
     "                         利用可能なリリースを、リリース ID とティアと共に\n"
     " 一覧表示します。--all-versions を使うか --tier で他のティアを指定しない限り、\n"
     "                         Zarni Installer は \"stable\"、\"release\"、\"current\"\n"
     "                         ティアのリリースのみを一覧表示します。\n"
     "\n"
     "    --show-all-releases  利用可能なすべての製品とそのリリースを一覧表示します。\n"
     "\n"
     "    --show-os-list       選択したリリースがビルドされている\n"
     "                         オペレーティングシステムを一覧表示します。\n"
     "\n"
     "    --show-installation-types\n"
     "                         選択したリリースのインストールタイプを一覧表示します。\n"
     "\n"
     "    --show-components    選択したリリースのコンポーネントと、それぞれが\n"
     "                         インストール済みか、アップグレード可能か、最新かを\n"
     "                         一覧表示します。表示されたコンポーネント ID は\n"
     "                         --install-component と --remove-component で\n"
     "                         使用します。\n"
     "\n"
     "    --show-upgradable-components\n"
     "                         アップグレード可能なコンポーネントのみを表示します。\n"
     "\n"
     "    --show-options       --show-components と共に指定すると、各コンポーネントの\n"
     "                         設定も表示します。\n"
     "                         --show-upgradable-components とは併用できません。\n"
     "\n"
     "    --show-packages      インストール、アップグレード、削除のオプションと共に\n"
     "                         指定すると、何も変更せずに、インストール [I]、\n"
     "                         アップグレード [U]、削除 [R] されるパッケージのみを\n"
     "                         表示します。\n"
     "\n"},
    {"usage_automation",
     " 自動化オプション：\n"
     "    --enable-xml-output - スクリプトや他のプログラム向けに、回答とステータス\n"
     "                         メッセージを XML 形式で出力します。インストールは\n"
     "                        バックグラウンドで実行されます。\n"
     "\n"
     "    --query-status - Zarni インストーラが実行中かどうかと、実行中の場合は\n"
     "                         作業のステージとステップを表示します。回答の\n"
     "                         ステータスは次のいずれかです：\n"
     "                           query_ok   - Zarni インストーラは実行されていない\n"
     "                           query_busy - Zarni インストーラは実行中\n"
     "\n"
     "    --check-updates - 選択した製品（製品が選択されていない場合は Zarni）に\n"
     "                         利用可能な更新があるかどうかを確認します。\n"
     "                         例：\n"
     "                           --select-product-id zarni --check-updates\n"
     "\n"
     "    --no-daemon          --enable-xml-output と共に指定すると、\n"
     "                         フォアグラウンドでインストールし、終わるまで待ちます。\n"
     "\n"},
    {"usage_web",
     " Web インターフェースオプション：\n"
     "    --web-interface      コンソールではなく Web ブラウザでインストール\n"
     "                         ウィザードを実行します。ウィザードはポート 8447 で\n"
     "                         提供されます。\n"
     "\n"
     "    --ssl-cert <file.pem>\n"
     "                         HTTPS 用の証明書と秘密鍵を含むファイル。\n"
     "                         デフォルトでは自己署名証明書が作成されます。\n"
     "\n"
     "    --without-ssl        Web インターフェースを通常の HTTP で提供します。\n"
     "\n"},
    {"usage_override",
     " 検出されたオペレーティングシステムを上書きするオプション：\n"
     "    --override-os-name <arg>\n"
     "                         検出されたオペレーティングシステム名の代わりに、\n"
     "                         指定した名前を使用します。\n"
     "\n"
     "    --override-os-vendor <arg>\n"
     "                         検出されたオペレーティングシステムのベンダの\n"
     "                         代わりに、指定したベンダを使用します。\n"
     "\n"
     "    --override-os-version <arg>\n"
     "                         検出されたオペレーティングシステムのバージョンの\n"
     "                         代わりに、指定したバージョンを使用します。\n"
     "\n"
     "    --override-os-arch <arg>\n"
     "                         検出されたアーキテクチャの代わりに、指定した\n"
     "                         アーキテクチャを使用します。\n"
     "\n"
     "    --override-environment <arg>\n"
     "                         検出された環境の代わりに、指定した環境を使用します：\n"
     "                         'dedicated' または 'cq'。\n"
     "\n"},
    {"usage_console",
     " 対話型コンソールインターフェースのオプション：\n"
     "    --no-clear           ウィザードのページを移動するときに画面を\n"
     "                         クリアしません。\n"
     "\n"},
    {"usage_feedback",
     " フィードバックオプション：\n"
     "    --enable-feedback    問題が発生したときに、Zarni インストーラが\n"
     "                         Zarni の開発者にエラーレポートを送信することを\n"
     "                         許可します。\n"
     "\n"
     "    --disable-feedback   エラーレポートを送信しません。Zarni インストーラは\n"
     "                         この選択を以降の実行でも記憶します。\n"
     "\n"},
    {"usage_logging",
     " ログと通知のオプション：\n"
     "    --notify-email <email>\n"
     "                         Zarni インストーラの終了時に、結果のレポートを\n"
     "                         指定した電子メールアドレスに送信します。\n"
     "\n"
     "    --truncate-log       起動時に Zarni インストーラのログファイルを空にします。\n"
     "\n"
     "    --separate-logs      Zarni インストーラの実行ごとに別のログファイルに\n"
     "                         書き込みます。\n"
     "\n"
     "    --debug              デバッグ情報をログファイルに書き込みます。\n"
     "\n"},
    {"usage_help",
     " Zarni Installer のヘルプとバージョンのオプション：\n"
     "    --version            Zarni Installer のバージョンを表示します。\n"
     "\n"
     "    --usage,\n"
     "    --help               コマンドベースのインターフェースの概要を表示します。\n"
     "\n"
     "    --help-options       オプションベースのインターフェースのこのヘルプを\n"
     "                         表示します。\n"
     "\n"},
    {"usage_obsolete",
     " 廃止されたオプション：\n"
     "    --disable-zarni-sys-updates\n"
     "                         以前は Zarni と共に提供されるオペレーティング\n"
     "                         システムの更新を無効にしていました。現在も\n"
     "                         受け付けられますが、インストール内容は変わりません。\n"
     "\n"
     "    --install-everything\n"
     "                         選択した製品リリースのすべてのコンポーネントを\n"
     "                         インストールします。代わりに\n"
     "                         --installation-type 'Full' を使用してください。\n"
     "\n"
     "    --branch <tiers>     --tier と同じです。\n"
     "\n"
     "    --skip-branch-filter\n"
     "                         --all-versions と同じです。\n"
     "\n"},
    {"usage_deprecated",
     " 廃止予定のオプション（受け付けられますが、警告を表示して無視されます）：\n"
     "    --source-type        以前はインストール元のタイプを設定していました。\n"
     "                         現在、タイプは --source の値から認識されます。\n"
     "\n"
     "    --add-source         以前は追加のパッケージソースを追加していました。\n"
     "\n"
     "    --show-additional-source-types\n"
     "                         以前は追加のパッケージソースのタイプを一覧表示して\n"
     "                         いました。\n"
     "\n"
     "    --show-additional-sources\n"
     "                         以前は追加のパッケージソースを一覧表示していました。\n"
     "\n"
     "    --mirror-os          以前は別のオペレーティングシステム用に製品\n"
     "                         バージョンをミラーリングしていました。\n"
     "\n"
     "    --install-system-only\n"
     "                         以前は Zarni Tenebrin のシステムパッケージのみを\n"
     "                         インストールしていました。\n"
     "\n"
     "    --allow-kernel-install\n"
     "                         以前はカーネルパッケージのインストールを許可して\n"
     "                         いました。\n"
     "\n"
     "    --disable-major-updates\n"
     "                         以前は新しいメジャーリリースへのアップグレードを\n"
     "                         防止していました。代わりに、インストールする\n"
     "                         リリースを --select-release-id または\n"
     "                         --select-release-current で選択してください。\n"
     "\n"
     "    --upgrade-system-packages\n"
     "                         以前はオペレーティングシステムのパッケージも\n"
     "                         アップグレードしていました。\n"
     "\n"
     "    --reinstall-patch    以前は選択した製品の最新パッチを再インストール\n"
     "                         していました。コマンドベースのインターフェースも\n"
     "                         同様に --repatch を無視します。\n"
     "\n"
     "    --skip-patch         以前はパッチのインストールをスキップしていました。\n"
     "                         コマンドベースのインターフェースも同様にこれを\n"
     "                         無視します。\n"
     "\n"
     "    --no-space-check     以前はディスクの空き容量のチェックをスキップして\n"
     "                         いました。\n"
     "\n"},
    {"usage_end", "コマンドベースのインターフェースについては 'installer help' を参照してください。\n"},
    {"usage_commands",
     "使用方法：installer COMMAND [OPTIONS]\n"
     "\n"
     "コマンド：\n"
     "    list      利用可能な製品、リリース、プリセット、コンポーネントを一覧表示\n"
     "    list-all  利用可能なすべての製品とそのリリースを一覧表示\n"
     "    install   製品リリースをインストール\n"
     "    update    インストール済みの製品に最新の更新をインストール\n"
     "    add       インストール済みの製品にコンポーネントを追加\n"
     "    remove    インストール済みの製品からコンポーネントを削除\n"
     "    upgrade   インストール済みの製品を別のリリースにアップグレード\n"
     "    stop      実行中の Zarni インストーラを停止\n"
     "    version   Zarni インストーラのバージョンを表示\n"
     "    help      コマンドのヘルプを表示\n"
     "\n"
     "特定のコマンドのヘルプ：「installer help COMMAND」\n"
     "オプションベースのインターフェースのヘルプ：「installer --help-options」\n"},
    {"usage_cmd_prefix", "使用方法：installer "},
    {"usage_cmd_version", "Zarni インストーラのバージョンを表示します。"},
    {"usage_cmd_help",
     "COMMAND を指定しない場合は、コマンドを一覧表示します。COMMAND を指定した場合は、\n"
     "そのコマンドのヘルプを表示します。--verbose (-v) を追加すると、より多くの\n"
     "オプションが表示されます。"},
    {"usage_cmd_list_all", "利用可能なすべての製品とそのリリースを一覧表示します。"},
    {"usage_cmd_list",
     "利用可能な製品とリリースを一覧表示します。正確なリリース（リリース ID、\n"
     "または製品 ID とバージョン）を指定すると、そのインストールプリセット\n"
     "（--presets）、コンポーネント（--components。--options で設定も表示）、\n"
     "またはそのリリースのシステムパッケージマネージャの構成（--sources）を\n"
     "一覧表示します。"},
    {"usage_cmd_install",
     "製品リリースをインストールします。セレクタを指定しない場合は、Zarni の\n"
     "利用可能な最新リリースがインストールされます。コンポーネントはプリセット\n"
     "（--preset。--with と --without で調整可能）で選択するか、--components で\n"
     "指定します。"},
    {"usage_cmd_upgrade",
     "インストール済みの製品を別のリリースにアップグレードします。リリースは、\n"
     "リリース ID、製品 ID とバージョン、または製品 ID とティア（そのティアの\n"
     "最新リリースが選ばれます）で指定します。正確なリリースを指定しない場合は、\n"
     "利用可能なリリースが一覧表示されます。"},
    {"usage_cmd_update",
     "インストール済みのすべての製品、または PRODUCT のみに最新の更新を\n"
     "インストールします。別のリリースへのアップグレードは行いません。"},
    {"usage_cmd_add", "インストール済みの製品にコンポーネントを追加します。"},
    {"usage_cmd_remove", "インストール済みの製品からコンポーネントを削除します。"},
    {"usage_cmd_add_remove_tail", "インストールされている製品が 1 つだけの場合、PRODUCT は省略できます。\n"},
    {"usage_cmd_stop",
     "実行中の Zarni インストーラを停止します。次の安全な時点で停止します。\n"
     "--terminate を指定すると、パッケージのインストール中でも停止します。"},
    {"usage_components",
     "COMPONENTS はコンポーネント ID のリストです。空白またはカンマで区切るか、\n"
     "オプションを繰り返して指定します：\n"
     "  --components panel horde\n"
     "  --components panel,horde\n"
     "  --components panel --components horde\n"},
    {"usage_verbose",
     "'--verbose'（または '-v'）を追加するとより多くのオプションが、\n"
     "'--verbose=2' を追加するとすべてのオプションが表示されます。"},
    {"usage_hdr_command_opts", "コマンドのオプション"},
    {"usage_hdr_general_opts", "一般オプション"},
    {"usage_hdr_download_opts", "ダウンロードオプション"},
    {"usage_hdr_proxy_opts", "プロキシオプション"},
    {"usage_hdr_skip_opts", "ステップをスキップするオプション"},
    {"usage_hdr_env_opts", "オペレーティングシステムを上書きするオプション"},
    {"usage_opt_source",
     "インストール元：アップデートサーバまたはミラーの URL、またはローカルディレクトリの絶対パス"},
    {"usage_opt_target", "ダウンロードしたファイルの保存先ディレクトリ"},
    {"usage_opt_tries", "失敗したダウンロードの再試行回数（デフォルト：3）"},
    {"usage_opt_ext", "製品が指定する拡張カタログの代わりに使用する拡張カタログの URL"},
    {"usage_opt_proxy_host", "プロキシサーバのホスト名または IP アドレス"},
    {"usage_opt_proxy_port", "プロキシサーバのポート（デフォルト：3128）"},
    {"usage_opt_proxy_user", "プロキシ認証のユーザ名"},
    {"usage_opt_proxy_pass", "プロキシ認証のパスワード"},
    {"usage_opt_skip_examine", "インストールの前後にコンポーネントと製品のチェックを実行しない"},
    {"usage_opt_skip_gpg", "パッケージの GPG 署名を検証しない"},
    {"usage_opt_skip_cleanup", "インストーラの終了時にパッケージリポジトリの構成を残す"},
    {"usage_opt_no_self_upgrade", "Zarni インストーラを新しいバージョンや古いバージョンの自分自身で置き換えない"},
    {"usage_opt_help", "コマンドのヘルプを表示"},
    {"usage_opt_xml", "回答とステータスメッセージを XML 形式で出力"},
    {"usage_opt_debug", "デバッグ情報をログファイルに書き込む"},
    {"usage_opt_truncate_log", "起動時に Zarni インストーラのログファイルを空にする"},
    {"usage_opt_separate_log", "Zarni インストーラの実行ごとに別のログファイルに書き込む"},
    {"usage_opt_email", "Zarni インストーラの終了時に、結果のレポートをこの電子メールアドレスに送信"},
    {"usage_opt_verbose", "ヘルプに表示するオプションを増やす：1 でより多くのオプション、2 ですべてのオプション"},
    {"usage_opt_completion", "シェル補完用にコマンドのオプションを出力（JSON）"},
    {"usage_opt_override_os_name", "検出されたものの代わりに使用するオペレーティングシステム名"},
    {"usage_opt_override_os_vendor", "検出されたものの代わりに使用するオペレーティングシステムのベンダ"},
    {"usage_opt_override_os_version", "検出されたものの代わりに使用するオペレーティングシステムのバージョン"},
    {"usage_opt_override_os_arch", "検出されたものの代わりに使用するアーキテクチャ"},
    {"usage_opt_override_env", "検出されたものの代わりに使用する環境：'dedicated' または 'cq'"},
    {"usage_opt_list_presets", "リリースのインストールプリセットを一覧表示"},
    {"usage_opt_list_components", "リリースのコンポーネントを一覧表示"},
    {"usage_opt_list_options", "--components と共に指定すると、各コンポーネントの設定も表示"},
    {"usage_opt_dry_run",
     "何も変更せず、インストール [I]、アップグレード [U]、削除 [R] されるパッケージのみを表示"},
    {"usage_opt_install_preset",
     "このプリセット（インストールタイプ）のコンポーネントをインストール（例：'Recommended'、'Full'）"},
    {"usage_opt_install_with", "プリセットに加えてインストールするコンポーネント"},
    {"usage_opt_install_without", "インストールしないプリセットのコンポーネント"},
    {"usage_opt_install_components", "プリセットの代わりにインストールするコンポーネント"},
    {"usage_opt_install_options", "コンポーネントの設定（それぞれ name=value の形式）"},
    {"usage_opt_update_panel_only",
     "Zarni が管理する他のサービスではなく、Zarni 自体の更新のみをインストール"},
    {"usage_opt_addremove_components", "追加または削除するコンポーネント"},
    {"usage_opt_stop_terminate",
     "パッケージのインストール中でも Zarni インストーラを停止（SIGHUP の代わりに SIGTERM を送信）"},
    {"error_supp_need", "解決策は Zarni サポートサイト https://support.zarni.example/ で検索できます。"},
    {"os_win2003_not_supported",
     "Windows Server 2003 は Zarni でサポートされなくなりました。"
     "Zarni のライフサイクルポリシー（https://www.zarni.example/legal/lifecycle-policy/）に従い、より新しいバージョンのオペレーティングシステムを使用することをお勧めします。"},
    {"os_win2008_not_supported_product_installed",
     "Windows Server 2008 は Zarni でサポートされなくなりました。"
     "Zarni のライフサイクルポリシー（https://www.zarni.example/legal/lifecycle-policy/）に従い、より新しいバージョンのオペレーティングシステムを使用することをお勧めします。"
     "サポートされているオペレーティングシステムのサーバに Zarni を移行するには、移行ガイド（https://www.zarni.example/ja/121368）に従ってください。"},
    {"os_win2008_not_supported_product_not_installed",
     "Windows Server 2008 は Zarni でサポートされなくなりました。"
     "Zarni のライフサイクルポリシー（https://www.zarni.example/legal/lifecycle-policy/）に従い、より新しいバージョンのオペレーティングシステムを使用することをお勧めします。"},
    {"os_win2008r2_not_supported_product_installed",
     "Windows Server 2008 R2 は Zarni でサポートされなくなりました。"
     "Zarni のライフサイクルポリシー（https://www.zarni.example/legal/lifecycle-policy/）に従い、より新しいバージョンのオペレーティングシステムを使用することをお勧めします。"
     "サポートされているオペレーティングシステムのサーバに Zarni を移行するには、移行ガイド（https://www.zarni.example/ja/121368）に従ってください。"},
    {"os_win2008r2_not_supported_product_not_installed",
     "Windows Server 2008 R2 は Zarni でサポートされなくなりました。"
     "Zarni のライフサイクルポリシー（https://www.zarni.example/legal/lifecycle-policy/）に従い、より新しいバージョンのオペレーティングシステムを使用することをお勧めします。"},
};

}  // namespace

void loadInstallerMessages_ja_JP(Messages::messages_rep& catalogue)
{
    loadMessageTable(catalogue, kTable);
}

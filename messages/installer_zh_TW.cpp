// Traditional Chinese texts of the installer messages: program name, help pages, wizard, progress and status texts.
// The command examples, the settings table and the capitalised placeholders of the help stay as in English.
#include "messages/MessageLoaders.h"

namespace {

const MessagePair kTable[] = {
    {"Kitwright", "Zarni Installer"},
    {"usage_cmd_list_tail", "範例：\n  列出可用的產品：\n    list\n  List latest available Zarni releases with default tiers:\n    list %1%\n  List all available Zarni releases:\n    list %1% all\n  Show the latest available Zarni preview release (with 'testing' tier):\n    list %1% testing\n  List components in Zarni %2% (selected by product ID and version):\n    list %1% %2%\n  List installation presets in Zarni %2% (selected by release ID):\n    list %3% --presets\n"},
    {"usage_cmd_install_tail", "範例:\n  Install the recommended set of components of the latest generally available\n  release of Zarni:\n    install\n  Install latest available preview release of Zarni:\n    install testing\n  Install Zarni %2% (selected by version):\n    install %1% %2%\n  Install the full set of Zarni components without Java support and Horde\n  webmail (release is selected by ID):\n    install %3% --preset Full --without java horde\n"},
    {"usage_cmd_upgrade_tail", "範例：\nUpgrade to Zarni %2% (selected by product ID and version):\nupgrade %1% %2%\nUpgrade to Zarni %2% (selected by release ID):\nupgrade %3%\nUpgrade to the latest available stable Zarni release:\nupgrade %1% stable\n"},
    {"usage_cmd_update_tail", "範例:\n  Install latest available updates for all installed products:\n    update\n  Update Zarni installation and apply the latest patch:\n    update %1%\n  Update Zarni installation and reinstall the latest patch:\n    update %1% --repatch\n  Install only Zarni updates, do not update other services managed by Zarni\n  if possible (applicable only to the '%1%' product):\n    update --panel-only\n"},
    {"usage_selector", "每個 SELECTOR 是下列各項之一：\n產品 ID，例如 '%1%'\n發行版等級，例如 'stable'，或 'all' 表示不依等級篩選\n發行版本，例如 '%2%'\n發行版 ID，例如 '%3%'\n\n使用 'list' 命令檢查哪些選取器有效。\n"},
    {"usage_product", "PRODUCT 是產品 ID 選取器，例如 '%1%'。\n使用 'list' 命令檢查哪些產品 ID 有效。"},
    {"download_file", "正在下載檔案 "},
    {"download_total_progress", "（%s/%s）"},
    {"download_retry_progress", "（重試 %s/%s）"},
    {"download_retry", "%s。將於 %s 秒後重試..."},
    {"progress_stage_init", "Zarni Installer 已啟動"},
    {"progress_stage_prep", "正在準備系統"},
    {"progress_stage_resolv", "正在解析套件"},
    {"progress_stage_download", "正在下載套件"},
    {"dpkg_register_new_arch", "正在註冊 %s 架構支援"},
    {"examine_unpassed", "組件和產品驗證發現了至少一個重要問題："},
    {"examine_post_results", "組件和產品檢查結果："},
    {"examine_signal", "檢查被信號 %s 終止。"},
    {"examine_time_limit", "檢查未在 %s 秒內完成，已被停止。"},
    {"check_system_packages", "正在檢查已安裝的套件... "},
    {"read_system_packages", "正在取得已安裝套件的資訊... "},
    {"status_not_locked", "Zarni Installer 未在執行。"},
    {"status_locked_by_another", "更新作業已被另一個更新處理程序鎖定。"},
    {"status_daemon_launched", "Zarni Installer 常駐程式已啟動。"},
    {"status_busy", "Zarni Installer 的其它實例已正在運行。"},
    {"error_sys_stable", "並非所有套件都已安裝。"},
    {"error_sys_unsure", "警告！並非所有套件都已安裝。\n請檢查您的系統服務是否能正常運作。"},
    {"error_sys_broken", "注意！您的軟體可能無法運作。"},
    {"error_rep_none", ""},
    {"error_rep_again", "請稍後再次嘗試安裝套件。"},
    {"error_supp_none", "請解決此問題，然後再次嘗試安裝套件。"},
    {"components_allready_installed", "您已安裝了產品的最新版本和所有選取的組件。安裝將不會繼續。"},
    {"releases_no_avail", "由於不支援您的作業系統\n\"%s\"，安裝將不會繼續。\n\n如需支援的作業系統完整清單，\n請參閱 Zarni 版本資訊。\n"},
    {"insttypes_page_hdr1", "選取 %s 的安裝類型"},
    {"components_page_body2", "請選取要安裝的 %s 組件："},
    {"components_page_num_selected", "%s/%s組件已選"},
    {"options_page_body2", "需要為 %s 組件指定參數。\n"},
    {"options_page_body5", "\n組件 '%s'：已定義所有必要的參數。"},
    {"packages_page_body_install", "有 %s 個產品正常運作所需的套件\n在您的系統中找不到。"},
    {"packages_page_body_upgrade", "有 %s 個套件需要升級\n才能安裝該產品。"},
    {"packages_page_body_remove", "有 %s 個已安裝的套件將被移除。"},
    {"install_start", "正在將變更套用到系統"},
    {"install_ok", "已成功應用更改。"},
    {"err_send_mail", "警告：以電子郵件傳送安裝報告失敗。"},
    {"err_read_prodsinfo", "從下列檔案讀取產品資訊失敗："},
    {"warn_deprecated_option", "警告：命令列選項 '%s' 已淘汰，將被忽略。"},
    {"err_chk_md5", "計算下列檔案的總和檢查碼失敗："},
    {"new_build_avail", "警告：伺服器上有新的產品組建可用。"},
    {"added_comps_by_deps", "下列組件將被安裝，因為您所選的組件需要它們："},
    {"removed_comps_by_deps", "下列組件將被移除，因為它們與您選擇安裝的組件衝突，或者需要您選擇移除的組件："},
    {"err_dep_from_pkg_unresolved", "%s：找不到適合\n相依性 \"%s\" 的解決方案。\n"},
    {"err_pkg_downgrade", "無法將套件 '%s' 降級到版本 %s：\n  目前已安裝版本 %s。"},
    {"err_pkg_clash", "套件 \"%s\" 和 \"%s\" 不能同時安裝"},
    {"err_pkg_fileconfl", "因為與檔案 \"%s\" 衝突"},
    {"err_pkg_depconfl", "因為 \"%s\" 與 \"%s\" 衝突。"},
    {"pkg_select_reason", "選擇套件 \"%s\" 是由於下列相依性："},
    {"pkg_select_depend", "    \"%s\" 來自 \"%s\""},
    {"deps_report_head", "下列情況可能導致安裝失敗："},
    {"deps_long_report", "還遇到了其他問題。如需詳細資訊，\n請參閱記錄檔：%s。\n"},
    {"user_canceled", "已被使用者中斷"},
    {"goto_webinterface_url", "\nWeb 介面現已啟動。\n  請在瀏覽器中造訪 %s。\n\n"},
    {"upgrade_from_not_supported_versions", "%s 只能升級到 %s 或更早的版本。如果您想升級到最新版本，請參閱下列文章：%s"},
    {"stop_already_stopped", "Zarni Installer 未在執行。"},
    {"stop_sent", "已要求關閉 Zarni Installer。"},
    {"download_completed", "已下載"},
    {"download_done", "完成"},
    {"download_all_done", "所有檔案均已下載。"},
    {"download_ext_catalog_feed", "正在下載延伸模組目錄摘要..."},
    {"process_apt_get_update", "正在更新 APT 套件索引..."},
    {"question_continue", "您想要繼續嗎？"},
    {"question_show_settings",
     "這可能是由安裝來源、網路連線或安裝程式設定的問題所造成。\n"
     "由於發生無法復原的錯誤，安裝程式將結束。\n"
     "您想要檢視目前的安裝程式設定以及如何變更它們嗎？"},
    {"examine_presetup", "正在安裝之前檢查組件和產品"},
    {"examine_postsetup", "正在安裝之後檢查組件和產品"},
    {"examine_perform", "正在檢查組件和產品..."},
    {"examine_skip_yesno",
     "如果不解決發現的問題就繼續安裝或升級，\n"
     "可能會損毀您的資料。"},
    {"wizard_current_settings", "目前設定："},
    {"yesno_retry", "是鍵入 Y 或否鍵入 N"},
    {"message_press_enter", "（按下 Enter 繼續）"},
    {"releases_reporter_no_updates", "沒有可用的更新。"},
    {"releases_reporter_list_empty", "沒有可供安裝的產品。"},
    {"releases_page_hdr", "產品和版本"},
    {"releases_page_body", "下列產品版本可用："},
    {"releases_no_selected", "未選取任何產品版本。"},
    {"releases_upgrade_request1", "您已安裝此版"},
    {"releases_upgrade_request2", "產品。您想要升級此產品嗎？"},
    {"wizard_legend_header", "可用動作："},
    {"wizard_legend_f_forward", "(F) 前往"},
    {"wizard_legend_b_back", "(B) 返回"},
    {"wizard_legend_q_quit", "(Q) 取消安裝"},
    {"wizard_legend_s_advanced_settings", "(S) 顯示進階設定"},
    {"wizard_legend_a_select_all", "(A) 全選"},
    {"wizard_legend_d_deselect_all", "(D) 全部取消選取"},
    {"wizard_legend_f_forward_specify_params", "(F) 前往並指定參數"},
    {"wizard_legend_f_forward_skip_params", "(F) 前往且不變更參數"},
    {"wizard_legend_u_specify_undefined_params", "(U) 前往並僅指定未定義的參數"},
    {"wizard_legend_r_redefine_params_all", "(R) 重新定義所有參數"},
    {"wizard_legend_r_redefine_params_one", "(R) 重新定義此組件的參數"},
    {"wizard_legend_s_show_packages", "(S) 顯示套件清單"},
    {"wizard_prompt_action", "選擇一個動作"},
    {"wizard_prompt_action_retry", "鍵入上方圖例中的一個字元"},
    {"wizard_prompt_action_or_number", "選擇一個動作或編號"},
    {"wizard_prompt_action_or_number_retry", "鍵入一個編號或上方圖例中動作的字元"},
    {"wizard_prompt_number", "選擇一個編號"},
    {"wizard_prompt_number_retry", "鍵入上方清單中的一個編號"},
    {"hello_page_hdr", "Zarni 安裝和升級精靈"},
    {"hello_page_body",
     "此精靈協助您安裝 Zarni、將其升級到較新的發行版，以及新增或移除其組件。\n"
     "\n"
     "------ 重要資訊 ------\n"
     "\n"
     "* 在升級 Zarni 或移除其任何組件之前，請備份您的資料。\n"
     "\n"
     "* 在安裝套件期間，請勿中斷安裝。\n"
     "\n"
     "* Zarni 依據 Zarni 使用者授權合約散佈。繼續之前，請閱讀\n"
     "  http://www.zarni.example/legal/terms/ 上的合約條款：\n"
     "  安裝 Zarni 即表示您接受這些條款。"},
    {"source_product_source", " 產品安裝來源："},
    {"source_target_dir", " 下載檔案儲存到："},
    {"source_from_zarni", "Zarni 更新伺服器"},
    {"source_from_network", "網路位置"},
    {"source_from_local", "本機目錄"},
    {"proxy_no_proxy", " 不使用 Proxy"},
    {"proxy_no_auth", " 不使用 Proxy 驗證"},
    {"proxy_proxy_host", " 使用 HTTP Proxy（主機:連接埠）： "},
    {"proxy_auth", " 使用 Proxy 驗證，使用者名稱： "},
    {"settings_download_retries", " 下載失敗後的重試次數： "},
    {"settings_page_hdr", "進階設定"},
    {"settings_page_body",
     "這些設定（產品散佈套件的位置、下載檔案的儲存位置、Proxy 設定、下載設定）\n"
     "既可以在命令列中設定，也可以在設定檔中設定。\n"
     "\n"
     " Command line               | Configuration file       | Summary\n"
     "----------------------------+--------------------------+--------------------\n"
     " --source <URL or path>     | SOURCE=<URL or path>     | installation source\n"
     " --target <dir>             | TARGET=<dir>             | download directory\n"
     " --proxy-host <host>        | PROXY_HOST=<host>        | proxy host\n"
     " --proxy-port <port>        | PROXY_PORT=<port>        | proxy port\n"
     " --proxy-user <user>        | PROXY_USER=<user>        | proxy user name\n"
     " --proxy-password <pass>    | PROXY_PASSWORD=<pass>    | proxy password\n"
     " --download-retry-count <N> | DOWNLOAD_RETRY_COUNT=<N> | download retries\n"
     "\n"
     "命令列引數優先於設定檔。安裝程式在啟動時讀取設定檔；\n"
     "每項設定單獨寫一行，例如 PROXY_PORT=3128。\n"},
    {"settings_page_cfg", "安裝程式設定檔的位置："},
    {"insttypes_page_hdr", "安裝類型"},
    {"insttypes_page_body", "安裝類型是一組預先定義的組件。請選取其中一個："},
    {"components_page_hdr", "主要組件清單"},
    {"components_page_hdr1", "主組件清單"},
    {"components_page_body1", "顯示下列產品的組件："},
    {"components_page_body3", "選取要安裝的組件："},
    {"components_page_bottom_toggle_components", "輸入編號以切換對應的組件。"},
    {"components_page_bottom_toggle_groups", "輸入編號以切換對應的組件或檢視群組（標有 <+>）。"},
    {"components_toggle_also", "若要切換此組件的狀態，您還需要"},
    {"components_install_also", "安裝或升級下列組件："},
    {"components_install_remove_them", "您想要這樣做嗎？"},
    {"components_remove_also", "移除下列組件："},
    {"components_unmark_also", "取消選取下列組件："},
    {"components_atleast_one", "若要繼續，您必須至少選取一個組件。"},
    {"components_deny_implicit_remove", "若要移除此組件或組件群組，您首先需要移除不能被隱含移除的組件： "},
    {"components_group_toggle_also", "若要切換這些組件的狀態，您還需要"},
    {"components_group_deny_conflict", "無法切換這些組件的狀態，因為這會破壞下列組件的相依性： "},
    {"components_group_deny_conflict_suggestion", "請嘗試逐一切換組件。"},
    {"need_also_message", "您所選的組件需要安裝下列組件中的套件：\n"},
    {"need_also_remove_message", "您所選的組件需要移除下列組件中的套件："},
    {"options_page_hdr", "組件參數"},
    {"options_page_body1", " 個選取安裝的組件需要您指定某些參數。\n"},
    {"options_page_body3", "您現在需要指定所有必要的參數。\n"},
    {"options_page_body4", "所有這些組件的參數均已定義。\n"},
    {"packages_page_hdr", "套件變更"},
    {"packages_no_reqpackages", "沒有需要安裝、升級或移除的套件。"},
    {"install_remove", "正在移除套裝程式"},
    {"install_again",
     "注意："
     "在 Zarni Installer 安裝套件期間，發佈了新的產品組建。\n"
     "您想要安裝它嗎？"},
    {"install_install_package", "正在安裝套裝程式"},
    {"checking_comps_status", "正在偵測已安裝的產品組件。"},
    {"checking_deps", "正在檢查套件相依性..."},
    {"err_set_proxyvar", "警告：為套件管理員設定 Proxy 環境變數失敗。"},
    {"err_no_librpm", "錯誤：無法載入 librpm，即讀取 RPM 套件資料庫的程式庫。"},
    {"err_no_pagers", "警告：找不到 'less' 或 'more' 公用程式。"},
    {"installling_pkgs", "正在安裝套件"},
    {"installing_pkglist", "正在安裝下列套件："},
    {"warn_apt_cdrom_in_source",
     "警告：您的 APT 來源清單包含 CD/DVD 來源。Zarni Installer 可能會\n"
     "停下來等待光碟。如果光碟無法使用，請從 /etc/apt/sources.list 和\n"
     "/etc/apt/sources.list.d/ 中的檔案裡移除 cdrom 行，然後重新執行安裝。"},
    {"retype_password", "重新輸入密碼： "},
    {"webinterface_exit_by_timeout", " 由於長時間無操作，Zarni Installer 已關閉。"},
    {"ask_customer_feedback",
     "發生問題時，您是否願意向 Zarni 開發人員傳送錯誤報告，\n"
     "以協助改善 Zarni？"},
    {"press_enter_to_exit", "按 ENTER 結束 ..."},
    {"comps_no_options", "列出的組件均沒有設定。"},
    {"options_select_all_IPs", "選取所有 IP 位址"},
    {"searching_need_pkgs", "正在搜尋所需的套件..."},
    {"confirm_uninstallation", "您確定要移除 %s 及其所有組件嗎？"},
    {"confirm_uninstallation_title", "移除 %s"},
    {"cancel_uninstallation", "取消移除"},
    {"error_supp_maybe",
     "請解決此問題，然後再次嘗試安裝套件。\n"
     "您可以在 Zarni 支援網站 https://support.zarni.example/ 上搜尋解決方案"},
    {"usage_header",
     "使用：installer [OPTIONS]\n"
     "\n"
     "Zarni Installer 用於安裝、升級和移除 Zarni 產品及其組件。\n"
     "不帶選項執行時，它會在主控台中啟動互動式精靈。\n"},
    {"usage_download",
     " 下載選項：\n"
     "    --source <URL 或絕對路徑/>\n"
     "                         從指定的更新伺服器或鏡像，或者從本機目錄\n"
     "                         取得產品。\n"
     "                         範例值：\n"
     "                           http://updates.zarni.example/\n"
     "                           http://mirror.zarni.example/zarni/\n"
     "                           /root/kestavine/mirror/\n"
     "\n"
     "    --target <dir>       將下載的檔案存放到指定目錄中。\n"
     "                         範例值：\n"
     "                           /root/kestavine\n"
     "\n"
     "    --download-retry-count <number>\n"
     "                         下載失敗後重試的次數（預設值：3）。\n"
     "\n"},
    {"usage_proxy",
     " Proxy 選項：\n"
     "    --proxy-host <host>  Proxy 伺服器的主機名稱或 IP 位址。\n"
     "\n"
     "    --proxy-port <port>  Proxy 伺服器連接埠（預設值：3128）。\n"
     "\n"
     "    --proxy-user <user>  用於 Proxy 驗證的使用者名稱。\n"
     "\n"
     "    --proxy-password <password>\n"
     "                         用於 Proxy 驗證的密碼。\n"
     "\n"},
    {"usage_selectors",
     " 產品和發行版選取選項：\n"
     "    --select-product-id &lt;product id /&gt;\n"
     "                         選取其後的選項所針對的產品。使用下列\n"
     "                         選項之一選取該產品的發行版：\n"
     "                           --select-release-id, --select-release-latest,\n"
     "                           --select-release-current\n"
     "\n"
     "    --select-release-id &lt;release id /&gt;\n"
     "                         選取具有指定 ID 的發行版。\n"
     "\n"
     "    --select-release-latest\n"
     "                         選取該產品的最新可用發行版。\n"
     "\n"
     "    --select-release-current\n"
     "                         選取該產品已安裝的發行版。\n"
     "\n"
     "    --tier &lt;tiers /&gt;  只提供指定等級的發行版，等級以逗號分隔，\n"
     "                         例如 stable,testing。預設值為\n"
     "                         \"stable,release,current\"。\n"
     "\n"
     "    --all-versions       不依等級篩選發行版。使用此選項時，安裝程式\n"
     "                         會提供所有等級的發行版，包括預覽版。\n"
     "\n"},
    {"usage_install",
     " 安裝選項：\n"
     "    --installation-type <type name>\n"
     "                         安裝所選產品發行版中指定安裝類型（例如\n"
     "                         'Recommended' 或 'Full'）的組件。\n"
     "                         範例：\n"
     "                         1) 最新 Zarni 的建議組件：\n"
     "                           --select-product-id zarni --select-release-latest \\\n"
     "                           --installation-type Recommended\n"
     "                         2) Zarni 發行版 ZARNI_12_5_30 的所有組件：\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --installation-type Full\n"
     "\n"
     "    --install-component <component id>\n"
     "                         安裝所選產品發行版中的指定組件。重複使用\n"
     "                         此選項可安裝多個組件。\n"
     "                         範例：\n"
     "                         1) 為已安裝的 Zarni 新增 Horde Web 郵件：\n"
     "                           --select-product-id zarni --select-release-current \\\n"
     "                           --install-component horde\n"
     "                         2) 安裝帶面板和 Postfix 的 Zarni 12.5.30：\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --install-component panel --install-component postfix\n"
     "\n"
     "    --set-option <setting_name>=<setting_value>\n"
     "                         為前面的 --select-product-id 所指定的產品\n"
     "                         設定組件設定。重複使用此選項可設定多項。\n"
     "\n"},
    {"usage_remove",
     " 移除選項：\n"
     "    --remove-component <component id>\n"
     "                         移除所選產品的指定組件。重複使用此選項\n"
     "                         可移除多個組件。\n"
     "                         範例：\n"
     "                         1) 從 Zarni 中移除 Horde Web 郵件：\n"
     "                           --select-product-id zarni --remove-component horde\n"
     "                         2) 一次移除兩個組件：\n"
     "                           --select-product-id zarni \\\n"
     "                           --remove-component horde \\\n"
     "                           --remove-component postfix\n"
     "\n"
     "    --remove-everything  移除所選產品的所有組件，即移除產品本身。\n"
     "                         範例（移除 Zarni）：\n"
     "                           --select-product-id zarni --remove-everything\n"
     "\n"
     "    --interactive-uninstall\n"
     "                         與 --remove-everything 一起使用時，在\n"
     "                         Zarni Installer 結束前等待按下 Enter。\n"
     "\n"},
    {"usage_upgrade",
     " 升級選項：\n"
     "    --upgrade-installed-components\n"
     "                         將所選產品已安裝的組件升級到所選發行版。\n"
     "                         範例：\n"
     "                         1) 為已安裝的 Zarni 安裝最新更新：\n"
     "                           --select-product-id zarni --select-release-current \\\n"
     "                           --upgrade-installed-components\n"
     "                         2) 將 Zarni 升級到發行版 ZARNI_12_5_30：\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --upgrade-installed-components\n"
     "\n"
     "    --include-components-from-class <class>\n"
     "                         只升級所選產品中屬於指定類別（例如\n"
     "                         aspect=panel）的已安裝組件。重複使用此\n"
     "                         選項可指定多個類別。\n"
     "\n"
     "    --reinstall-patch    更新時，為每個所選產品強制重新安裝最新的\n"
     "                         修補程式。\n"
     "                         範例：\n"
     "                           --select-product-id zarni --select-release-current \\\n"
     "                           --upgrade-installed-components --reinstall-patch\n"
     "\n"},
    {"usage_no_warn",
     " 組件檢查選項：\n"
     "    --skip-components-check\n"
     "                         安裝前後不執行組件和產品檢查。Zarni Installer\n"
     "                         執行這些檢查是為了找出可能損毀資料的問題，\n"
     "                         因此只有在確定安裝安全時才略過這些檢查。\n"
     "\n"},
    {"usage_list",
     " 列出產品、發行版和組件的選項：\n"
     "    --show-releases      列出所選產品（未選取產品時為 Zarni）的可用\n"
     "                         發行版及其發行版 ID 和等級。除非使用\n"
     "                         --all-versions 或透過 --tier 指定其他等級，\n"
     "                         Zarni Installer 只列出 \"stable\"、\"release\" 和\n"
     "                         \"current\" 等級的發行版。\n"
     "\n"
     "    --show-all-releases  列出所有可用的產品及其發行版。\n"
     "\n"
     "    --show-os-list       列出所選發行版適用的作業系統。\n"
     "\n"
     "    --show-installation-types\n"
     "                         列出所選發行版的安裝類型。\n"
     "\n"
     "    --show-components    列出所選發行版的組件，以及每個組件是已安裝、\n"
     "                         可升級還是已是最新。可將其顯示的組件 ID 用於\n"
     "                         --install-component 和 --remove-component。\n"
     "\n"
     "    --show-upgradable-components\n"
     "                         只列出可以升級的組件。\n"
     "\n"
     "    --show-options       與 --show-components 一起使用時，同時顯示每個\n"
     "                         組件的設定。\n"
     "\n"
     "    --show-packages      與安裝、升級或移除選項一起使用時，只顯示將被\n"
     "                         安裝 [I]、升級 [U] 或移除 [R] 的套件，\n"
     "                         不做任何變更。\n"
     "\n"},
    {"usage_automation",
     " 自動化選項：\n"
     "    --enable-xml-output  以 XML 格式輸出回答和狀態訊息，供指令碼和其他\n"
     "                         程式使用。此時安裝在背景執行。\n"
     "\n"
     "    --query-status       顯示 Zarni Installer 是否正在執行，如果正在\n"
     "                         執行，則顯示其工作的階段和步驟。回答的狀態\n"
     "                         為下列之一：\n"
     "                           query_ok   - Zarni Installer 未在執行\n"
     "                           query_busy - Zarni Installer 正在執行\n"
     "\n"
     "    --check-updates      檢查所選產品（未選取產品時為 Zarni）是否有\n"
     "                         可用的更新。\n"
     "                         範例：\n"
     "                           --select-product-id zarni --check-updates\n"
     "\n"
     "    --no-daemon          與 --enable-xml-output 一起使用時，在前景安裝\n"
     "                         並等待安裝結束。\n"
     "\n"},
    {"usage_web",
     " Web 介面選項：\n"
     "    --web-interface      在 Web 瀏覽器而不是主控台中執行安裝精靈。\n"
     "                         精靈在連接埠 8447 上提供。\n"
     "\n"
     "    --ssl-cert <file.pem>\n"
     "                         包含用於 HTTPS 的憑證和私密金鑰的檔案。預設\n"
     "                         會產生自我簽署憑證。\n"
     "\n"
     "    --without-ssl        透過一般 HTTP 提供 Web 介面。\n"
     "\n"},
    {"usage_override",
     " 覆寫偵測到的作業系統的選項：\n"
     "    --override-os-name <arg>\n"
     "                         使用指定的作業系統名稱，而不是偵測到的名稱。\n"
     "\n"
     "    --override-os-vendor <arg>\n"
     "                         使用指定的作業系統廠商，而不是偵測到的廠商。\n"
     "\n"
     "    --override-os-version <arg>\n"
     "                         使用指定的作業系統版本，而不是偵測到的版本。\n"
     "\n"
     "    --override-os-arch <arg>\n"
     "                         使用指定的架構，而不是偵測到的架構。\n"
     "\n"
     "    --override-environment <arg>\n"
     "                         使用指定的環境，而不是偵測到的環境：\n"
     "                         'dedicated' 或 'cq'。\n"
     "\n"},
    {"usage_console",
     " 互動式主控台介面選項：\n"
     "    --no-clear           在精靈頁面之間切換時不清除畫面。\n"
     "\n"},
    {"usage_feedback",
     " 意見回饋選項：\n"
     "    --enable-feedback    允許 Zarni Installer 在發生問題時向 Zarni\n"
     "                         開發人員傳送錯誤報告。\n"
     "\n"
     "    --disable-feedback   不傳送錯誤報告。Zarni Installer 會為以後的執行\n"
     "                         記住此選擇。\n"
     "\n"},
    {"usage_logging",
     " 記錄和通知選項：\n"
     "    --notify-email <email>\n"
     "                         Zarni Installer 完成後，將結果報告傳送到\n"
     "                         指定的電子郵件地址。\n"
     "\n"
     "    --truncate-log       啟動時清空 Zarni Installer 的記錄檔。\n"
     "\n"
     "    --separate-logs      為 Zarni Installer 的每次執行寫入單獨的\n"
     "                         記錄檔。\n"
     "\n"
     "    --debug              將偵錯資訊寫入記錄檔。\n"},
    {"usage_help",
     " Zarni Installer 說明和版本選項：\n"
     "    --version            顯示 Zarni Installer 的版本。\n"
     "\n"
     "    --usage,\n"
     "    --help               顯示以命令為基礎之介面的概觀。\n"
     "\n"
     "    --help-options       顯示以選項為基礎之介面的此說明。\n"
     "\n"},
    {"usage_obsolete",
     " 已過時的選項：\n"
     "    --disable-zarni-sys-updates\n"
     "                         以前用於關閉隨 Zarni 提供的作業系統更新。\n"
     "                         仍可接受，但不再影響安裝的內容。\n"
     "\n"
     "    --install-everything\n"
     "                         安裝所選產品發行版的所有組件。\n"
     "                         請改用 --installation-type 'Full'。\n"
     "\n"
     "    --branch <tiers>     與 --tier 相同。\n"
     "\n"
     "    --skip-branch-filter\n"
     "                         與 --all-versions 相同。\n"
     "\n"
     "    --mirror-os <id>     開啟產品版本的鏡像，每使用一次此選項指定一個\n"
     "                         作業系統。詳細資訊請參閱\n"
     "                         https://kb.zarni.example/115047\n"
     "\n"},
    {"usage_deprecated",
     " 已淘汰的選項（可接受，但會被忽略並給出警告）：\n"
     "    --source-type        以前用於設定安裝來源的類型。現在根據 --source\n"
     "                         的值識別類型。\n"
     "\n"
     "    --add-source         以前用於新增額外的套件來源。\n"
     "\n"
     "    --show-additional-source-types\n"
     "                         以前用於列出額外套件來源的類型。\n"
     "\n"
     "    --show-additional-sources\n"
     "                         以前用於列出額外的套件來源。\n"
     "\n"
     "    --mirror-os          以前用於為其他作業系統鏡像產品版本。\n"
     "\n"
     "    --install-system-only\n"
     "                         以前用於只安裝 Zarni Tenebrin 的系統套件。\n"
     "\n"
     "    --allow-kernel-install\n"
     "                         以前用於允許安裝核心套件。\n"
     "\n"
     "    --disable-major-updates\n"
     "                         以前用於阻止升級到新的主要發行版。請改用\n"
     "                         --select-release-id 或 --select-release-current\n"
     "                         選取要安裝的發行版。\n"
     "\n"
     "    --upgrade-system-packages\n"
     "                         以前用於同時升級作業系統套件。\n"
     "\n"
     "    --reinstall-patch    以前用於重新安裝所選產品的最新修補程式。以命令\n"
     "                         為基礎的介面同樣會忽略 --repatch。\n"
     "\n"
     "    --skip-patch         以前用於略過修補程式的安裝。以命令為基礎的\n"
     "                         介面同樣會忽略它。\n"
     "\n"
     "    --no-space-check     以前用於略過可用磁碟空間檢查。\n"
     "\n"},
    {"usage_end", "如需以命令為基礎之介面的資訊，請參閱 'installer help'。\n"},
    {"usage_commands",
     "Usage: installer COMMAND [OPTIONS]\n"
     "\n"
     "命令：\n"
     "    list      列出可用的產品、發行版、預設組合和組件\n"
     "    list-all  列出所有可用的產品及其發行版\n"
     "    install   安裝產品發行版\n"
     "    update    安裝已安裝產品的最新更新\n"
     "    add       為已安裝的產品新增組件\n"
     "    remove    從已安裝的產品中移除組件\n"
     "    upgrade   將已安裝的產品升級到其他發行版\n"
     "    stop      停止正在執行的 Zarni Installer\n"
     "    version   顯示 Zarni Installer 的版本\n"
     "    help      顯示命令的說明\n"
     "\n"
     "如需特定命令的說明，請參閱 'installer help COMMAND'。\n"
     "如需以選項為基礎之介面的說明，請參閱 'installer --help-options'。"},
    {"usage_cmd_prefix", "使用：installer "},
    {"usage_cmd_version", "顯示 Zarni Installer 的版本。"},
    {"usage_cmd_help",
     "不帶 COMMAND 時，列出所有命令。帶 COMMAND 時，顯示該命令的說明；\n"
     "加上 --verbose (-v) 可檢視其更多選項。"},
    {"usage_cmd_list_all", "列出所有可用的產品及其發行版。"},
    {"usage_cmd_list",
     "列出可用的產品和發行版。對於確切的發行版（發行版 ID，或者產品 ID 和\n"
     "版本），列出其安裝預設組合（--presets）、組件（--components，加上\n"
     "--options 時同時列出其設定）或其系統套件管理員設定（--sources）。"},
    {"usage_cmd_install",
     "安裝產品發行版。不帶選取器時，安裝 Zarni 的最新可用發行版。透過預設\n"
     "組合（--preset，可用 --with 和 --without 調整）選取組件，或者透過\n"
     "--components 指定組件。"},
    {"usage_cmd_upgrade",
     "將已安裝的產品升級到其他發行版。可以透過發行版 ID、產品 ID 和版本，\n"
     "或者產品 ID 和等級（採用該等級的最新發行版）指定發行版。未指定確切\n"
     "發行版時，列出可用的發行版。"},
    {"usage_cmd_update",
     "安裝所有已安裝產品或僅 PRODUCT 的最新更新，\n"
     "但不將其升級到其他發行版。"},
    {"usage_cmd_add", "為已安裝的產品新增組件。"},
    {"usage_cmd_remove", "從已安裝的產品中移除組件。"},
    {"usage_cmd_add_remove_tail", "只安裝了一個產品時，可以省略 PRODUCT。"},
    {"usage_cmd_stop",
     "停止正在執行的 Zarni Installer。它會在下一個安全點停止；使用\n"
     "--terminate 時，即使正在安裝套件也會停止。"},
    {"usage_components",
     "COMPONENTS 是組件 ID 的清單。以空格或逗號分隔各個 ID，\n"
     "或者重複使用該選項：\n"
     "--components panel horde\n"
     "--components panel,horde\n"
     "--components panel --components horde\n"},
    {"usage_verbose", "加上 '--verbose'（或 '-v'）可檢視更多選項，加上 '--verbose=2' 可檢視所有選項。"},
    {"usage_hdr_command_opts", "命令選項"},
    {"usage_hdr_general_opts", "常規選項"},
    {"usage_hdr_download_opts", "下載選項"},
    {"usage_hdr_proxy_opts", "Proxy 選項"},
    {"usage_hdr_skip_opts", "略過步驟的選項"},
    {"usage_hdr_env_opts", "作業系統覆寫選項"},
    {"usage_opt_source", "安裝來源：更新伺服器或鏡像的 URL，或者本機目錄的絕對路徑"},
    {"usage_opt_target", "下載檔案的存放目錄"},
    {"usage_opt_tries", "下載失敗後的重試次數（預設值：3）"},
    {"usage_opt_ext", "要使用的延伸模組目錄的 URL，用於取代產品指定的目錄"},
    {"usage_opt_proxy_host", "Proxy 伺服器的主機名稱或 IP 位址"},
    {"usage_opt_proxy_port", "Proxy 伺服器連接埠（預設值：3128）"},
    {"usage_opt_proxy_user", "用於 Proxy 驗證的使用者名稱"},
    {"usage_opt_proxy_pass", "用於 Proxy 驗證的密碼"},
    {"usage_opt_skip_examine", "安裝前後不執行組件和產品檢查"},
    {"usage_opt_skip_gpg", "不驗證套件的 GPG 簽章"},
    {"usage_opt_skip_cleanup", "安裝程式結束時保留套件儲存庫設定"},
    {"usage_opt_no_self_upgrade", "不將 Zarni Installer 取代為其自身的較新或較舊版本"},
    {"usage_opt_help", "顯示命令的說明"},
    {"usage_opt_xml", "以 XML 格式輸出回答和狀態訊息"},
    {"usage_opt_debug", "將偵錯資訊寫入記錄檔"},
    {"usage_opt_truncate_log", "啟動時清空 Zarni Installer 的記錄檔"},
    {"usage_opt_separate_log", "為 Zarni Installer 的每次執行寫入單獨的記錄檔"},
    {"usage_opt_email", "Zarni Installer 完成後，將結果報告傳送到此電子郵件地址"},
    {"usage_opt_verbose", "在說明中顯示更多選項：1 表示更多選項，2 表示所有選項"},
    {"usage_opt_completion", "輸出命令的選項，用於 shell 自動完成（JSON）"},
    {"usage_opt_override_os_name", "要使用的作業系統名稱，用於取代偵測到的名稱"},
    {"usage_opt_override_os_vendor", "要使用的作業系統廠商，用於取代偵測到的廠商"},
    {"usage_opt_override_os_version", "要使用的作業系統版本，用於取代偵測到的版本"},
    {"usage_opt_override_os_arch", "要使用的架構，用於取代偵測到的架構"},
    {"usage_opt_override_env", "要使用的環境，用於取代偵測到的環境：'dedicated' 或 'cq'"},
    {"usage_opt_list_presets", "列出發行版的安裝預設組合"},
    {"usage_opt_list_components", "列出發行版的組件"},
    {"usage_opt_list_options", "與 --components 一起使用時，同時顯示每個組件的設定"},
    {"usage_opt_dry_run", "不做任何變更；只顯示將被安裝 [I]、升級 [U] 或移除 [R] 的套件"},
    {"usage_opt_install_preset", "安裝此預設組合（安裝類型）的組件，例如 'Recommended' 或 'Full'"},
    {"usage_opt_install_with", "除預設組合外要額外安裝的組件"},
    {"usage_opt_install_without", "預設組合中不安裝的組件"},
    {"usage_opt_install_components", "要安裝的組件，用於取代預設組合"},
    {"usage_opt_install_options", "組件設定，每項以 name=value 的形式提供"},
    {"usage_opt_update_panel_only", "只安裝 Zarni 本身的更新，不更新 Zarni 管理的其他服務"},
    {"usage_opt_addremove_components", "要新增或移除的組件"},
    {"usage_opt_stop_terminate", "即使正在安裝套件也停止 Zarni Installer（傳送 SIGTERM 而不是 SIGHUP）"},
    {"error_supp_need", "您可以在 Zarni 支援網站 https://support.zarni.example/ 上搜尋解決方案"},
    {"os_win2003_not_supported",
     "Zarni 已不再支援 Windows Server 2003。"
     "根據 Zarni 生命週期政策（https://www.zarni.example/legal/lifecycle-policy/），建議您使用較新版本的作業系統。"},
    {"os_win2008_not_supported_product_installed",
     "Zarni 已不再支援 Windows Server 2008。"
     "根據 Zarni 生命週期政策（https://www.zarni.example/legal/lifecycle-policy/），建議您使用較新版本的作業系統。"
     "若要將 Zarni 移轉到使用受支援作業系統的伺服器，請依照移轉指南（https://www.zarni.example/en/121368）操作。"},
    {"os_win2008_not_supported_product_not_installed",
     "Zarni 已不再支援 Windows Server 2008。"
     "根據 Zarni 生命週期政策（https://www.zarni.example/legal/lifecycle-policy/），建議您使用較新版本的作業系統。"},
    {"os_win2008r2_not_supported_product_installed",
     "Zarni 已不再支援 Windows Server 2008 R2。"
     "根據 Zarni 生命週期政策（https://www.zarni.example/legal/lifecycle-policy/），建議您使用較新版本的作業系統。"
     "若要將 Zarni 移轉到使用受支援作業系統的伺服器，請依照移轉指南（https://www.zarni.example/en/121368）操作。"},
    {"os_win2008r2_not_supported_product_not_installed",
     "Zarni 已不再支援 Windows Server 2008 R2。"
     "根據 Zarni 生命週期政策（https://www.zarni.example/legal/lifecycle-policy/），建議您使用較新版本的作業系統。"},
};

}  // namespace

void loadInstallerMessages_zh_TW(Messages::messages_rep& catalogue)
{
    loadMessageTable(catalogue, kTable);
}

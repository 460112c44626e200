// Simplified Chinese texts of the installer messages: program name, help pages, wizard, progress and status texts.
// The command examples, the settings table and the capitalised placeholders of the help stay as in English.
#include "messages/MessageLoaders.h"

namespace {

const MessagePair kTable[] = {
    {"Kitwright", "Zarni Installer"},
    {"usage_cmd_list_tail", "示例：\n  列出可用的产品：\n    list\n  List latest available Zarni releases with default tiers:\n    list %1%\n  List all available Zarni releases:\n    list %1% all\n  Show the latest available Zarni preview release (with 'testing' tier):\n    list %1% testing\n  List components in Zarni %2% (selected by product ID and version):\n    list %1% %2%\n  List installation presets in Zarni %2% (selected by release ID):\n    list %3% --presets\n"},
    {"usage_cmd_install_tail", "示例:\n  Install the recommended set of components of the latest generally available\n  release of Zarni:\n    install\n  Install latest available preview release of Zarni:\n    install testing\n  Install Zarni %2% (selected by version):\n    install %1% %2%\n  Install the full set of Zarni components without Java support and Horde\n  webmail (release is selected by ID):\n    install %3% --preset Full --without java horde\n"},
    {"usage_cmd_upgrade_tail", "示例：\nUpgrade to Zarni %2% (selected by product ID and version):\nupgrade %1% %2%\nUpgrade to Zarni %2% (selected by release ID):\nupgrade %3%\nUpgrade to the latest available stable Zarni release:\nupgrade %1% stable\n"},
    {"usage_cmd_update_tail", "示例:\n  Install latest available updates for all installed products:\n    update\n  Update Zarni installation and apply the latest patch:\n    update %1%\n  Update Zarni installation and reinstall the latest patch:\n    update %1% --repatch\n  Install only Zarni updates, do not update other services managed by Zarni\n  if possible (applicable only to the '%1%' product):\n    update --panel-only\n"},
    {"usage_selector", "每个 SELECTOR 是以下各项之一：\n产品 ID，例如 '%1%'\n发行版等级，例如 'stable'，或 'all' 表示不按等级筛选\n发行版本，例如 '%2%'\n发行版 ID，例如 '%3%'\n\n使用 'list' 命令检查哪些选择器有效。\n"},
    {"usage_product", "PRODUCT 是产品 ID 选择器，例如 '%1%'。\n使用 'list' 命令检查哪些产品 ID 有效。"},
    {"download_file", "正在下载文件 "},
    {"download_total_progress", "（%s/%s）"},
    {"download_retry_progress", "（重试 %s/%s）"},
    {"download_retry", "%s。将于 %s 秒后重试..."},
    {"progress_stage_init", "Zarni Installer 已启动"},
    {"progress_stage_prep", "正在准备系统"},
    {"progress_stage_resolv", "正在解析软件包"},
    {"progress_stage_download", "正在下载软件包"},
    {"dpkg_register_new_arch", "正在注册 %s 架构支持"},
    {"examine_unpassed", "组件和产品验证发现了至少一个重要问题："},
    {"examine_post_results", "组件和产品检查结果："},
    {"examine_signal", "检查被信号 %s 终止。"},
    {"examine_time_limit", "检查未在 %s 秒内完成，已被停止。"},
    {"check_system_packages", "正在检查已安装的软件包... "},
    {"read_system_packages", "正在获取已安装软件包的信息... "},
    {"status_not_locked", "Zarni Installer 未在运行。"},
    {"status_locked_by_another", "更新操作已被另一个更新进程锁定。"},
    {"status_daemon_launched", "Zarni Installer 守护进程已启动。"},
    {"status_busy", "Zarni Installer 的其它实例已正在运行。"},
    {"error_sys_stable", "并非所有软件包都已安装。"},
    {"error_sys_unsure", "警告！并非所有软件包都已安装。\n请检查您的系统服务是否可以正常运行。"},
    {"error_sys_broken", "注意！您的软件可能无法运行。"},
    {"error_rep_none", ""},
    {"error_rep_again", "请稍后再次尝试安装软件包。"},
    {"error_supp_none", "请解决此问题，然后再次尝试安装软件包。"},
    {"components_allready_installed", "您已安装了产品的最新版本和所有选定的组件。安装将不会继续。"},
    {"releases_no_avail", "由于不支持您的操作系统\n\"%s\"，安装将不会继续。\n\n有关支持的操作系统的完整列表，\n请参阅 Zarni 发行说明。\n"},
    {"insttypes_page_hdr1", "选择 %s 的安装类型"},
    {"components_page_body2", "请选择要安装的 %s 组件："},
    {"components_page_num_selected", "%s/%s组件已选"},
    {"options_page_body2", "需要为 %s 组件指定参数。\n"},
    {"options_page_body5", "\n组件 '%s'：已定义所有必需的参数。"},
    {"packages_page_body_install", "有 %s 个产品正常运行所需的软件包\n在您的系统中找不到。"},
    {"packages_page_body_upgrade", "有 %s 个软件包需要升级\n才能安装该产品。"},
    {"packages_page_body_remove", "有 %s 个已安装的软件包将被删除。"},
    {"install_start", "正在将更改应用到系统"},
    {"install_ok", "已成功应用更改。"},
    {"err_send_mail", "警告：通过电子邮件发送安装报告失败。"},
    {"err_read_prodsinfo", "从以下文件读取产品信息失败："},
    {"warn_deprecated_option", "警告：命令行选项 '%s' 已弃用，将被忽略。"},
    {"err_chk_md5", "计算以下文件的校验和失败："},
    {"new_build_avail", "警告：服务器上有新的产品内部版本可用。"},
    {"added_comps_by_deps", "以下组件将被安装，因为您所选的组件需要它们："},
    {"removed_comps_by_deps", "以下组件将被删除，因为它们与您选择安装的组件冲突，或者需要您选择删除的组件："},
    {"err_dep_from_pkg_unresolved", "%s：找不到适合\n依赖关系 \"%s\" 的解决方案。\n"},
    {"err_pkg_downgrade", "无法将软件包 '%s' 降级到版本 %s：\n  当前已安装版本 %s。"},
    {"err_pkg_clash", "软件包 \"%s\" 和 \"%s\" 不能同时安装"},
    {"err_pkg_fileconfl", "因为与文件 \"%s\" 冲突"},
    {"err_pkg_depconfl", "因为 \"%s\" 与 \"%s\" 冲突。"},
    {"pkg_select_reason", "选择软件包 \"%s\" 是由于以下依赖关系："},
    {"pkg_select_depend", "    \"%s\" 来自 \"%s\""},
    {"deps_report_head", "以下情况可能导致安装失败："},
    {"deps_long_report", "还遇到了其他问题。有关详细信息，\n请参阅日志文件：%s。\n"},
    {"user_canceled", "已被用户中断"},
    {"goto_webinterface_url", "\nWeb 界面现已启动。\n  请在浏览器中访问 %s。\n\n"},
    {"upgrade_from_not_supported_versions", "%s 只能升级到 %s 或更早的版本。如果您想升级到最新版本，请参阅以下文章：%s"},
    {"stop_already_stopped", "Zarni Installer 未在运行。"},
    {"stop_sent", "已请求关闭 Zarni Installer。"},
    {"download_completed", "已下载"},
    {"download_done", "完成"},
    {"download_all_done", "所有文件均已下载。"},
    {"download_ext_catalog_feed", "正在下载扩展目录源..."},
    {"process_apt_get_update", "正在更新 APT 软件包索引..."},
    {"question_continue", "您想要继续吗？"},
    {"question_show_settings",
     "这可能是由安装源、网络连接或安装程序设置的问题造成的。\n"
     "由于发生不可恢复的错误，安装程序将退出。\n"
     "您想要查看当前的安装程序设置以及如何更改它们吗？"},
    {"examine_presetup", "正在安装之前检查组件和产品"},
    {"examine_postsetup", "正在安装之后检查组件和产品"},
    {"examine_perform", "正在检查组件和产品..."},
    {"examine_skip_yesno",
     "如果不解决发现的问题就继续安装或升级，\n"
     "可能会损坏您的数据。"},
    {"wizard_current_settings", "当前设置："},
    {"yesno_retry", "是键入 Y 或否键入 N"},
    {"message_press_enter", "（按下 Enter 继续）"},
    {"releases_reporter_no_updates", "没有可用的更新。"},
    {"releases_reporter_list_empty", "没有可供安装的产品。"},
    {"releases_page_hdr", "产品和版本"},
    {"releases_page_body", "以下产品版本可用："},
    {"releases_no_selected", "未选择任何产品版本。"},
    {"releases_upgrade_request1", "您已安装此版"},
    {"releases_upgrade_request2", "产品。您想要升级此产品吗？"},
    {"wizard_legend_header", "可用操作："},
    {"wizard_legend_f_forward", "(F) 前往"},
    {"wizard_legend_b_back", "(B) 返回"},
    {"wizard_legend_q_quit", "(Q) 取消安装"},
    {"wizard_legend_s_advanced_settings", "(S) 显示高级设置"},
    {"wizard_legend_a_select_all", "(A) 全选"},
    {"wizard_legend_d_deselect_all", "(D) 全部取消选择"},
    {"wizard_legend_f_forward_specify_params", "(F) 前往并指定参数"},
    {"wizard_legend_f_forward_skip_params", "(F) 前往且不更改参数"},
    {"wizard_legend_u_specify_undefined_params", "(U) 前往并仅指定未定义的参数"},
    {"wizard_legend_r_redefine_params_all", "(R) 重新定义所有参数"},
    {"wizard_legend_r_redefine_params_one", "(R) 重新定义此组件的参数"},
    {"wizard_legend_s_show_packages", "(S) 显示软件包列表"},
    {"wizard_prompt_action", "选择一个操作"},
    {"wizard_prompt_action_retry", "键入上方图例中的一个字符"},
    {"wizard_prompt_action_or_number", "选择一个操作或编号"},
    {"wizard_prompt_action_or_number_retry", "键入一个编号或上方图例中操作的字符"},
    {"wizard_prompt_number", "选择一个编号"},
    {"wizard_prompt_number_retry", "键入上方列表中的一个编号"},
    {"hello_page_hdr", "Zarni 安装和升级向导"},
    {"hello_page_body",
     "此向导帮助您安装 Zarni、将其升级到较新的发行版，以及添加或删除其组件。\n"
     "\n"
     "------ 重要信息 ------\n"
     "\n"
     "* 在升级 Zarni 或删除其任何组件之前，请备份您的数据。\n"
     "\n"
     "* 在安装软件包期间，请勿中断安装。\n"
     "\n"
     "* Zarni 依据 Zarni 最终用户许可协议分发。继续之前，请阅读\n"
     "  http://www.zarni.example/legal/terms/ 上的协议条款：\n"
     "  安装 Zarni 即表示您接受这些条款。"},
    {"source_product_source", " 产品安装来源："},
    {"source_target_dir", " 下载文件保存到："},
    {"source_from_zarni", "Zarni 更新服务器"},
    {"source_from_network", "网络位置"},
    {"source_from_local", "本地目录"},
    {"proxy_no_proxy", " 不使用代理"},
    {"proxy_no_auth", " 不使用代理身份验证"},
    {"proxy_proxy_host", " 使用 HTTP 代理（主机:端口）： "},
    {"proxy_auth", " 使用代理身份验证，用户名： "},
    {"settings_download_retries", " 下载失败后的重试次数： "},
    {"settings_page_hdr", "高级设置"},
    {"settings_page_body",
     "这些设置（产品分发软件包的位置、下载文件的存储位置、代理设置、下载设置）\n"
     "既可以在命令行中设置，也可以在配置文件中设置。\n"
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
     "命令行参数优先于配置文件。安装程序在启动时读取配置文件；\n"
     "每项设置单独写一行，例如 PROXY_PORT=3128。\n"},
    {"settings_page_cfg", "安装程序配置文件的位置："},
    {"insttypes_page_hdr", "安装类型"},
    {"insttypes_page_body", "安装类型是一组预定义的组件。请选择其中一个："},
    {"components_page_hdr", "主要组件列表"},
    {"components_page_hdr1", "主组件列表"},
    {"components_page_body1", "显示以下产品的组件："},
    {"components_page_body3", "选择要安装的组件："},
    {"components_page_bottom_toggle_components", "输入编号以切换相应的组件。"},
    {"components_page_bottom_toggle_groups", "输入编号以切换相应的组件或查看组（标有 <+>）。"},
    {"components_toggle_also", "要切换此组件的状态，您还需要"},
    {"components_install_also", "安装或升级以下组件："},
    {"components_install_remove_them", "您想要这样做吗？"},
    {"components_remove_also", "删除以下组件："},
    {"components_unmark_also", "取消选择以下组件："},
    {"components_atleast_one", "要继续，您必须至少选择一个组件。"},
    {"components_deny_implicit_remove", "要删除此组件或组件组，您首先需要删除不能被隐式删除的组件： "},
    {"components_group_toggle_also", "要切换这些组件的状态，您还需要"},
    {"components_group_deny_conflict", "无法切换这些组件的状态，因为这会破坏以下组件的依赖关系： "},
    {"components_group_deny_conflict_suggestion", "请尝试逐个切换组件。"},
    {"need_also_message", "您所选的组件需要安装以下组件中的软件包：\n"},
    {"need_also_remove_message", "您所选的组件需要删除以下组件中的软件包："},
    {"options_page_hdr", "组件参数"},
    {"options_page_body1", " 个选定安装的组件需要您指定某些参数。\n"},
    {"options_page_body3", "您现在需要指定所有必需的参数。\n"},
    {"options_page_body4", "所有这些组件的参数均已定义。\n"},
    {"packages_page_hdr", "软件包更改"},
    {"packages_no_reqpackages", "没有需要安装、升级或删除的软件包。"},
    {"install_remove", "正在删除程序包"},
    {"install_again",
     "注意："
     "在 Zarni Installer 安装软件包期间，发布了新的产品内部版本。\n"
     "您想要安装它吗？"},
    {"install_install_package", "正在安装程序包"},
    {"checking_comps_status", "正在检测已安装的产品组件。"},
    {"checking_deps", "正在检查软件包依赖关系..."},
    {"err_set_proxyvar", "警告：为软件包管理器设置代理环境变量失败。"},
    {"err_no_librpm", "错误：无法加载 librpm，即读取 RPM 软件包数据库的库。"},
    {"err_no_pagers", "警告：找不到 'less' 或 'more' 实用程序。"},
    {"installling_pkgs", "正在安装软件包"},
    {"installing_pkglist", "正在安装以下软件包："},
    {"warn_apt_cdrom_in_source",
     "警告：您的 APT 源列表包含 CD/DVD 源。Zarni Installer 可能会\n"
     "停下来等待光盘。如果光盘不可用，请从 /etc/apt/sources.list 和\n"
     "/etc/apt/sources.list.d/ 中的文件里删除 cdrom 行，然后重新运行安装。"},
    {"retype_password", "重新输入密码： "},
    {"webinterface_exit_by_timeout", " 由于长时间无操作，Zarni Installer 已关闭。"},
    {"ask_customer_feedback",
     "出现问题时，您是否愿意向 Zarni 开发人员发送错误报告，\n"
     "以帮助改进 Zarni？"},
    {"press_enter_to_exit", "按 ENTER 退出 ..."},
    {"comps_no_options", "列出的组件均没有设置。"},
    {"options_select_all_IPs", "选择所有 IP 地址"},
    {"searching_need_pkgs", "正在搜索所需的软件包..."},
    {"confirm_uninstallation", "您确定要删除 %s 及其所有组件吗？"},
    {"confirm_uninstallation_title", "删除 %s"},
    {"cancel_uninstallation", "取消删除"},
    {"error_supp_maybe",
     "请解决此问题，然后再次尝试安装软件包。\n"
     "您可以在 Zarni 支持网站 https://support.zarni.example/ 上搜索解决方案"},
    {"usage_header",
     "使用：installer [OPTIONS]\n"
     "\n"
     "Zarni Installer 用于安装、升级和删除 Zarni 产品及其组件。\n"
     "不带选项运行时，它会在控制台中启动交互式向导。\n"},
    {"usage_download",
     " 下载选项：\n"
     "    --source <URL 或绝对路径/>\n"
     "                         从指定的更新服务器或镜像，或者从本地目录\n"
     "                         获取产品。\n"
     "                         示例值：\n"
     "                           http://updates.zarni.example/\n"
     "                           http://mirror.zarni.example/zarni/\n"
     "                           /root/kestavine/mirror/\n"
     "\n"
     "    --target <dir>       将下载的文件存放到指定目录中。\n"
     "                         示例值：\n"
     "                           /root/kestavine\n"
     "\n"
     "    --download-retry-count <number>\n"
     "                         下载失败后重试的次数（默认值：3）。\n"
     "\n"},
    {"usage_proxy",
     " 代理选项：\n"
     "    --proxy-host <host>  代理服务器的主机名或 IP 地址。\n"
     "\n"
     "    --proxy-port <port>  代理服务器端口（默认值：3128）。\n"
     "\n"
     "    --proxy-user <user>  用于代理身份验证的用户名。\n"
     "\n"
     "    --proxy-password <password>\n"
     "                         用于代理身份验证的密码。\n"
     "\n"},
    {"usage_selectors",
     " 产品和发行版选择选项：\n"
     "    --select-product-id <product id>\n"
     "                         选择其后的选项所针对的产品。使用以下\n"
     "                         选项之一选择该产品的发行版：\n"
     "                           --select-release-id, --select-release-latest,\n"
     "                           --select-release-current\n"
     "\n"
     "    --select-release-id <release id>\n"
     "                         选择具有指定 ID 的发行版。\n"
     "\n"
     "    --select-release-latest\n"
     "                         选择该产品的最新可用发行版。\n"
     "\n"
     "    --select-release-current\n"
     "                         选择该产品已安装的发行版。\n"
     "\n"
     "    --tier <tiers>       只提供指定等级的发行版，等级以逗号分隔，\n"
     "                         例如 stable,testing。默认值为\n"
     "                         \"stable,release,current\"。\n"
     "\n"
     "    --all-versions       不按等级筛选发行版。使用此选项时，安装程序\n"
     "                         会提供所有等级的发行版，包括预览版。\n"
     "\n"},
    {"usage_install",
     " 安装选项：\n"
     "    --installation-type <type name>\n"
     "                         安装所选产品发行版中指定安装类型（例如\n"
     "                         'Recommended' 或 'Full'）的组件。\n"
     "                         示例：\n"
     "                         1) 最新 Zarni 的推荐组件：\n"
     "                           --select-product-id zarni --select-release-latest \\\n"
     "                           --installation-type Recommended\n"
     "                         2) Zarni 发行版 ZARNI_12_5_30 的所有组件：\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --installation-type Full\n"
     "\n"
     "    --install-component <component id>\n"
     "                         安装所选产品发行版中的指定组件。重复使用\n"
     "                         此选项可安装多个组件。\n"
     "                         示例：\n"
     "                         1) 为已安装的 Zarni 添加 Horde Web 邮件：\n"
     "                           --select-product-id zarni --select-release-current \\\n"
     "                           --install-component horde\n"
     "                         2) 安装带面板和 Postfix 的 Zarni 12.5.30：\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --install-component panel --install-component postfix\n"
     "\n"
     "    --set-option <setting_name>=<setting_value>\n"
     "                         为前面的 --select-product-id 所指定的产品\n"
     "                         设置组件设置。重复使用此选项可设置多项。\n"
     "\n"},
    {"usage_remove",
     " 删除选项：\n"
     "    --remove-component <component id>\n"
     "                         删除所选产品的指定组件。重复使用此选项\n"
     "                         可删除多个组件。\n"
     "                         示例：\n"
     "                         1) 从 Zarni 中删除 Horde Web 邮件：\n"
     "                           --select-product-id zarni --remove-component horde\n"
     "                         2) 一次删除两个组件：\n"
     "                           --select-product-id zarni \\\n"
     "                           --remove-component horde \\\n"
     "                           --remove-component postfix\n"
     "\n"
     "    --remove-everything  删除所选产品的所有组件，即删除产品本身。\n"
     "                         示例（删除 Zarni）：\n"
     "                           --select-product-id zarni --remove-everything\n"
     "\n"
     "    --interactive-uninstall\n"
     "                         与 --remove-everything 一起使用时，在\n"
     "                         Zarni Installer 退出前等待按下 Enter。\n"
     "\n"},
    {"usage_upgrade",
     " 升级选项：\n"
     "    --upgrade-installed-components\n"
     "                         将所选产品已安装的组件升级到所选发行版。\n"
     "                         示例：\n"
     "                         1) 为已安装的 Zarni 安装最新更新：\n"
     "                           --select-product-id zarni --select-release-current \\\n"
     "                           --upgrade-installed-components\n"
     "                         2) 将 Zarni 升级到发行版 ZARNI_12_5_30：\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --upgrade-installed-components\n"
     "\n"
     "    --include-components-from-class <class>\n"
     "                         只升级所选产品中属于指定类别（例如\n"
     "                         aspect=panel）的已安装组件。重复使用此\n"
     "                         选项可指定多个类别。\n"
     "\n"
     "    --reinstall-patch    更新时，为每个所选产品强制重新安装最新的\n"
     "                         补丁。\n"
     "                         示例：\n"
     "                           --select-product-id zarni --select-release-current \\\n"
     "                           --upgrade-installed-components --reinstall-patch\n"
     "\n"},
    {"usage_no_warn",
     " 组件检查选项：\n"
     "    --skip-components-check\n"
     "                         安装前后不运行组件和产品检查。Zarni Installer\n"
     "                         运行这些检查是为了发现可能损坏数据的问题，\n"
     "                         因此只有在确定安装安全时才跳过这些检查。\n"
     "\n"},
    {"usage_list",
     " 列出产品、发行版和组件的选项：\n"
     "    --show-releases      列出所选产品（未选择产品时为 Zarni）的可用\n"
     "                         发行版及其发行版 ID 和等级。除非使用\n"
     "                         --all-versions 或通过 --tier 指定其他等级，\n"
     "                         Zarni Installer 只列出 \"stable\"、\"release\" 和\n"
     "                         \"current\" 等级的发行版。\n"
     "\n"
     "    --show-all-releases  列出所有可用的产品及其发行版。\n"
     "\n"
     "    --show-os-list       列出所选发行版适用的操作系统。\n"
     "\n"
     "    --show-installation-types\n"
     "                         列出所选发行版的安装类型。\n"
     "\n"
     "    --show-components    列出所选发行版的组件，以及每个组件是已安装、\n"
     "                         可升级还是已是最新。可将其显示的组件 ID 用于\n"
     "                         --install-component 和 --remove-component。\n"
     "\n"
     "    --show-upgradable-components\n"
     "                         只列出可以升级的组件。\n"
     "\n"
     "    --show-options       与 --show-components 一起使用时，同时显示每个\n"
     "                         组件的设置。\n"
     "\n"
     "    --show-packages      与安装、升级或删除选项一起使用时，只显示将被\n"
     "                         安装 [I]、升级 [U] 或删除 [R] 的软件包，\n"
     "                         不做任何更改。\n"
     "\n"},
    {"usage_automation",
     " 自动化选项：\n"
     "    --enable-xml-output  以 XML 格式输出回答和状态消息，供脚本和其他\n"
     "                         程序使用。此时安装在后台运行。\n"
     "\n"
     "    --query-status       显示 Zarni Installer 是否正在运行，如果正在\n"
     "                         运行，则显示其工作的阶段和步骤。回答的状态\n"
     "                         为以下之一：\n"
     "                           query_ok   - Zarni Installer 未在运行\n"
     "                           query_busy - Zarni Installer 正在运行\n"
     "\n"
     "    --check-updates      检查所选产品（未选择产品时为 Zarni）是否有\n"
     "                         可用的更新。\n"
     "                         示例：\n"
     "                           --select-product-id zarni --check-updates\n"
     "\n"
     "    --no-daemon          与 --enable-xml-output 一起使用时，在前台安装\n"
     "                         并等待安装结束。\n"
     "\n"},
    {"usage_web",
     " Web 界面选项：\n"
     "    --web-interface      在 Web 浏览器而不是控制台中运行安装\n"
     "                         向导。向导在端口 8447 上提供。\n"
     "\n"
     "    --ssl-cert <file.pem>\n"
     "                         包含用于 HTTPS 的证书和私钥的文件。默认\n"
     "                         会生成自签名证书。\n"
     "\n"
     "    --without-ssl        通过普通 HTTP 提供 Web 界面。\n"
     "\n"},
    {"usage_override",
     " 覆盖检测到的操作系统的选项：\n"
     "    --override-os-name <arg>\n"
     "                         使用指定的操作系统名称，而不是检测到的名称。\n"
     "\n"
     "    --override-os-vendor <arg>\n"
     "                         使用指定的操作系统供应商，而不是检测到的供应商。\n"
     "\n"
     "    --override-os-version <arg>\n"
     "                         使用指定的操作系统版本，而不是检测到的版本。\n"
     "\n"
     "    --override-os-arch <arg>\n"
     "                         使用指定的架构，而不是检测到的架构。\n"
     "\n"
     "    --override-environment <arg>\n"
     "                         使用指定的环境，而不是检测到的环境：\n"
     "                         'dedicated' 或 'cq'。\n"
     "\n"},
    {"usage_console",
     " 交互式控制台界面选项：\n"
     "    --no-clear           在向导页面之间切换时不清屏。\n"
     "\n"},
    {"usage_feedback",
     " 反馈选项：\n"
     "    --enable-feedback    允许 Zarni Installer 在出现问题时向 Zarni\n"
     "                         开发人员发送错误报告。\n"
     "\n"
     "    --disable-feedback   不发送错误报告。Zarni Installer 会为以后的运行\n"
     "                         记住此选择。\n"
     "\n"},
    {"usage_logging",
     " 日志记录和通知选项：\n"
     "    --notify-email <email>\n"
     "                         Zarni Installer 完成后，将结果报告发送到\n"
     "                         指定的电子邮件地址。\n"
     "\n"
     "    --truncate-log       启动时清空 Zarni Installer 的日志文件。\n"
     "\n"
     "    --separate-logs      为 Zarni Installer 的每次运行写入单独的\n"
     "                         日志文件。\n"
     "\n"
     "    --debug              将调试信息写入日志文件。\n"},
    {"usage_help",
     " Zarni Installer 帮助和版本选项：\n"
     "    --version            显示 Zarni Installer 的版本。\n"
     "\n"
     "    --usage,\n"
     "    --help               显示基于命令的界面的概述。\n"
     "\n"
     "    --help-options       显示基于选项的界面的此帮助。\n"
     "\n"},
    {"usage_obsolete",
     " 已过时的选项：\n"
     "    --disable-zarni-sys-updates\n"
     "                         以前用于关闭随 Zarni 提供的操作系统更新。\n"
     "                         仍可接受，但不再影响安装的内容。\n"
     "\n"
     "    --install-everything\n"
     "                         安装所选产品发行版的所有组件。\n"
     "                         请改用 --installation-type 'Full'。\n"
     "\n"
     "    --branch <tiers>     与 --tier 相同。\n"
     "\n"
     "    --skip-branch-filter\n"
     "                         与 --all-versions 相同。\n"
     "\n"
     "    --mirror-os <id>     开启产品版本的镜像，每使用一次此选项指定一个\n"
     "                         操作系统。详细信息请参阅\n"
     "                         https://kb.zarni.example/115047\n"
     "\n"},
    {"usage_deprecated",
     " 已弃用的选项（可接受，但会被忽略并给出警告）：\n"
     "    --source-type        以前用于设置安装源的类型。现在根据 --source\n"
     "                         的值识别类型。\n"
     "\n"
     "    --add-source         以前用于添加额外的软件包源。\n"
     "\n"
     "    --show-additional-source-types\n"
     "                         以前用于列出额外软件包源的类型。\n"
     "\n"
     "    --show-additional-sources\n"
     "                         以前用于列出额外的软件包源。\n"
     "\n"
     "    --mirror-os          以前用于为其他操作系统镜像产品版本。\n"
     "\n"
     "    --install-system-only\n"
     "                         以前用于只安装 Zarni Tenebrin 的系统软件包。\n"
     "\n"
     "    --allow-kernel-install\n"
     "                         以前用于允许安装内核软件包。\n"
     "\n"
     "    --disable-major-updates\n"
     "                         以前用于阻止升级到新的主要发行版。请改用\n"
     "                         --select-release-id 或 --select-release-current\n"
     "                         选择要安装的发行版。\n"
     "\n"
     "    --upgrade-system-packages\n"
     "                         以前用于同时升级操作系统软件包。\n"
     "\n"
     "    --reinstall-patch    以前用于重新安装所选产品的最新补丁。基于命令的\n"
     "                         界面同样会忽略 --repatch。\n"
     "\n"
     "    --skip-patch         以前用于跳过补丁的安装。基于命令的界面\n"
     "                         同样会忽略它。\n"
     "\n"
     "    --no-space-check     以前用于跳过可用磁盘空间检查。\n"
     "\n"},
    {"usage_end", "有关基于命令的界面的信息，请参阅 'installer help'。\n"},
    {"usage_commands",
     "Usage: installer COMMAND [OPTIONS]\n"
     "\n"
     "命令：    list      列出可用的产品、发行版、预设和组件\n"
     "    list-all  列出所有可用的产品及其发行版\n"
     "    install   安装产品发行版\n"
     "    update    安装已安装产品的最新更新\n"
     "    add       向已安装的产品添加组件\n"
     "    remove    从已安装的产品中删除组件\n"
     "    upgrade   将已安装的产品升级到其他发行版\n"
     "    stop      停止正在运行的 Zarni Installer\n"
     "    version   显示 Zarni Installer 的版本\n"
     "    help      显示命令的帮助\n"
     "\n"
     "有关特定命令的帮助，请参阅 'installer help COMMAND'。\n"
     "有关基于选项的界面的帮助，请参阅 'installer --help-options'。"},
    {"usage_cmd_prefix", "使用：installer "},
    {"usage_cmd_version", "显示 Zarni Installer 的版本。"},
    {"usage_cmd_help",
     "不带 COMMAND 时，列出所有命令。带 COMMAND 时，显示该命令的帮助；\n"
     "添加 --verbose (-v) 可查看其更多选项。"},
    {"usage_cmd_list_all", "列出所有可用的产品及其发行版。"},
    {"usage_cmd_list",
     "列出可用的产品和发行版。对于确切的发行版（发行版 ID，或者产品 ID 和\n"
     "版本），列出其安装预设（--presets）、组件（--components，添加 --options\n"
     "时同时列出其设置）或其系统软件包管理器配置（--sources）。"},
    {"usage_cmd_install",
     "安装产品发行版。不带选择器时，安装 Zarni 的最新可用发行版。通过预设\n"
     "（--preset，可用 --with 和 --without 调整）选择组件，或者通过\n"
     "--components 指定组件。"},
    {"usage_cmd_upgrade",
     "将已安装的产品升级到其他发行版。可以通过发行版 ID、产品 ID 和版本，\n"
     "或者产品 ID 和等级（采用该等级的最新发行版）指定发行版。未指定确切\n"
     "发行版时，列出可用的发行版。"},
    {"usage_cmd_update",
     "安装所有已安装产品或仅 PRODUCT 的最新更新，\n"
     "但不将其升级到其他发行版。"},
    {"usage_cmd_add", "向已安装的产品添加组件。"},
    {"usage_cmd_remove", "从已安装的产品中删除组件。"},
    {"usage_cmd_add_remove_tail", "只安装了一个产品时，可以省略 PRODUCT。"},
    {"usage_cmd_stop",
     "停止正在运行的 Zarni Installer。它会在下一个安全点停止；使用\n"
     "--terminate 时，即使正在安装软件包也会停止。"},
    {"usage_components",
     "COMPONENTS 是组件 ID 的列表。用空格或逗号分隔各个 ID，\n"
     "或者重复使用该选项：\n"
     "--components panel horde\n"
     "--components panel,horde\n"
     "--components panel --components horde\n"},
    {"usage_verbose", "添加 '--verbose'（或 '-v'）可查看更多选项，添加 '--verbose=2' 可查看所有选项。"},
    {"usage_hdr_command_opts", "命令选项"},
    {"usage_hdr_general_opts", "常规选项"},
    {"usage_hdr_download_opts", "下载选项"},
    {"usage_hdr_proxy_opts", "代理选项"},
    {"usage_hdr_skip_opts", "跳过步骤的选项"},
    {"usage_hdr_env_opts", "操作系统覆盖选项"},
    {"usage_opt_source", "安装源：更新服务器或镜像的 URL，或者本地目录的绝对路径"},
    {"usage_opt_target", "下载文件的存放目录"},
    {"usage_opt_tries", "下载失败后的重试次数（默认值：3）"},
    {"usage_opt_ext", "要使用的扩展目录的 URL，用于代替产品指定的扩展目录"},
    {"usage_opt_proxy_host", "代理服务器的主机名或 IP 地址"},
    {"usage_opt_proxy_port", "代理服务器端口（默认值：3128）"},
    {"usage_opt_proxy_user", "用于代理身份验证的用户名"},
    {"usage_opt_proxy_pass", "用于代理身份验证的密码"},
    {"usage_opt_skip_examine", "安装前后不运行组件和产品检查"},
    {"usage_opt_skip_gpg", "不验证软件包的 GPG 签名"},
    {"usage_opt_skip_cleanup", "安装程序退出时保留软件包存储库配置"},
    {"usage_opt_no_self_upgrade", "不将 Zarni Installer 替换为其自身的较新或较旧版本"},
    {"usage_opt_help", "显示命令的帮助"},
    {"usage_opt_xml", "以 XML 格式输出回答和状态消息"},
    {"usage_opt_debug", "将调试信息写入日志文件"},
    {"usage_opt_truncate_log", "启动时清空 Zarni Installer 的日志文件"},
    {"usage_opt_separate_log", "为 Zarni Installer 的每次运行写入单独的日志文件"},
    {"usage_opt_email", "Zarni Installer 完成后，将结果报告发送到此电子邮件地址"},
    {"usage_opt_verbose", "在帮助中显示更多选项：1 表示更多选项，2 表示所有选项"},
    {"usage_opt_completion", "输出命令的选项，用于 shell 补全（JSON）"},
    {"usage_opt_override_os_name", "要使用的操作系统名称，用于代替检测到的名称"},
    {"usage_opt_override_os_vendor", "要使用的操作系统供应商，用于代替检测到的供应商"},
    {"usage_opt_override_os_version", "要使用的操作系统版本，用于代替检测到的版本"},
    {"usage_opt_override_os_arch", "要使用的架构，用于代替检测到的架构"},
    {"usage_opt_override_env", "要使用的环境，用于代替检测到的环境：'dedicated' 或 'cq'"},
    {"usage_opt_list_presets", "列出发行版的安装预设"},
    {"usage_opt_list_components", "列出发行版的组件"},
    {"usage_opt_list_options", "与 --components 一起使用时，同时显示每个组件的设置"},
    {"usage_opt_dry_run", "不做任何更改；只显示将被安装 [I]、升级 [U] 或删除 [R] 的软件包"},
    {"usage_opt_install_preset", "安装此预设（安装类型）的组件，例如 'Recommended' 或 'Full'"},
    {"usage_opt_install_with", "除预设外要额外安装的组件"},
    {"usage_opt_install_without", "预设中不安装的组件"},
    {"usage_opt_install_components", "要安装的组件，用于代替预设"},
    {"usage_opt_install_options", "组件设置，每项以 name=value 的形式给出"},
    {"usage_opt_update_panel_only", "只安装 Zarni 本身的更新，不更新 Zarni 管理的其他服务"},
    {"usage_opt_addremove_components", "要添加或删除的组件"},
    {"usage_opt_stop_terminate", "即使正在安装软件包也停止 Zarni Installer（发送 SIGTERM 而不是 SIGHUP）"},
    {"error_supp_need", "您可以在 Zarni 支持网站 https://support.zarni.example/ 上搜索解决方案"},
    {"os_win2003_not_supported",
     "Zarni 已不再支持 Windows Server 2003。"
     "根据 Zarni 生命周期政策（https://www.zarni.example/legal/lifecycle-policy/），建议您使用较新版本的操作系统。"},
    {"os_win2008_not_supported_product_installed",
     "Zarni 已不再支持 Windows Server 2008。"
     "根据 Zarni 生命周期政策（https://www.zarni.example/legal/lifecycle-policy/），建议您使用较新版本的操作系统。"
     "要将 Zarni 迁移到使用受支持操作系统的服务器，请按照迁移指南（https://www.zarni.example/en/121368）操作。"},
    {"os_win2008_not_supported_product_not_installed",
     "Zarni 已不再支持 Windows Server 2008。"
     "根据 Zarni 生命周期政策（https://www.zarni.example/legal/lifecycle-policy/），建议您使用较新版本的操作系统。"},
    {"os_win2008r2_not_supported_product_installed",
     "Zarni 已不再支持 Windows Server 2008 R2。"
     "根据 Zarni 生命周期政策（https://www.zarni.example/legal/lifecycle-policy/），建议您使用较新版本的操作系统。"
     "要将 Zarni 迁移到使用受支持操作系统的服务器，请按照迁移指南（https://www.zarni.example/en/121368）操作。"},
    {"os_win2008r2_not_supported_product_not_installed",
     "Zarni 已不再支持 Windows Server 2008 R2。"
     "根据 Zarni 生命周期政策（https://www.zarni.example/legal/lifecycle-policy/），建议您使用较新版本的操作系统。"},
};

}  // namespace

void loadInstallerMessages_zh_CN(Messages::messages_rep& catalogue)
{
    loadMessageTable(catalogue, kTable);
}

// English texts of the installer messages: program name, help pages, wizard, progress and status texts.
// This table is the base of every language: it is loaded before any translation.
#include "messages/MessageLoaders.h"

namespace {

const MessagePair kTable[] = {
    {"Kitwright", "Zarni Installer"},
    {"usage_cmd_list_tail", "Examples:\n  List available products:\n    list\n  List latest available Zarni releases with default tiers:\n    list %1%\n  List all available Zarni releases:\n    list %1% all\n  Show the latest available Zarni preview release (with 'testing' tier):\n    list %1% testing\n  List components in Zarni %2% (selected by product ID and version):\n    list %1% %2% --components\n  List installation presets in Zarni %2% (selected by release ID):\n    list %3% --presets\n"},
    {"usage_cmd_install_tail", "Examples:\n  Install the recommended set of components of the latest generally available\n  release of Zarni:\n    install\n  Install latest available preview release of Zarni:\n    install testing\n  Install Zarni %2% (selected by version):\n    install %1% %2%\n  Install the full set of Zarni components without Java support and Horde\n  webmail (release is selected by ID):\n    install %3% --preset Full --without java horde\n"},
    {"usage_cmd_upgrade_tail", "Examples:\n  Upgrade to Zarni %2% (selected by product ID and version):\n    upgrade %1% %2%\n  Upgrade to Zarni %2% (selected by release ID):\n    upgrade %3%\n  Upgrade to the latest available stable Zarni release:\n    upgrade %1% stable\n"},
    {"usage_cmd_update_tail", "Examples:\n  Install latest available updates for all installed products:\n    update\n  Update Zarni installation:\n    update %1%\n  Install only Zarni updates, do not update other services managed by Zarni\n  if possible (applicable only to the '%1%' product):\n    update --panel-only\n"},
    {"usage_selector", "Each SELECTOR is one of the following:\n  product ID,       e.g. '%1%'\n  release tier,     e.g. 'stable' or 'all' for no tier filter\n  release version,  e.g. '%2%'\n  release ID,       e.g. '%3%'\n\nUse the 'list' command to check which selectors are valid.\n"},
    {"usage_product", "PRODUCT is a product ID selector, e.g. '%1%'.\nUse the 'list' command to check which product IDs are valid.\n"},
    {"download_file", "Downloading file "},
    {"download_total_progress", "(%s of %s) "},
    {"download_retry_progress", " (retry %s of %s)"},
    {"download_retry", "%s. Will retry in %s second(s)..."},
    {"progress_stage_init", "Zarni Installer was started"},
    {"progress_stage_prep", "Preparing the system"},
    {"progress_stage_resolv", "Resolving package"},
    {"progress_stage_download", "Downloading packages"},
    {"dpkg_register_new_arch", "Registering %s architecture support"},
    {"examine_unpassed", "Components and product validation detected at least one important issue:"},
    {"examine_post_results", "Components and product check results:"},
    {"examine_signal", "The check was ended by the signal %s."},
    {"examine_time_limit", "The check did not finish within %s seconds and was stopped."},
    {"check_system_packages", "Checking for installed packages... "},
    {"read_system_packages", "Retrieving information about the installed packages... "},
    {"status_not_locked", "Zarni Installer is not running."},
    {"status_locked_by_another", "Update operation was locked by another update process."},
    {"status_daemon_launched", "Zarni Installer daemon was launched."},
    {"status_busy", "Another instance of Zarni Installer is already running."},
    {"error_sys_stable", "Not all packages were installed."},
    {"error_sys_unsure", "Warning! Not all packages were installed.\nPlease check if your system services are operable."},
    {"error_sys_broken", "Attention! Your software might be inoperable."},
    {"error_rep_none", ""},
    {"error_rep_again", "Please try to install packages again later."},
    {"error_supp_none", "Please resolve this issue and try to install the packages again."},
    {"components_allready_installed", "You already have the latest version of product(s) and all the selected components installed. Installation will not continue."},
    {"releases_no_avail", "Installation will not continue because your operating system\n\"%s\" is not supported.\n\nRefer to Zarni release notes for the complete list\nof supported operating systems.\n"},
    {"insttypes_page_hdr1", "Select the installation type for %s"},
    {"components_page_body2", "Please select the components of %s you want to install:"},
    {"components_page_num_selected", "%s of %s components selected"},
    {"options_page_body2", "Parameters for %s components require specification.\n"},
    {"options_page_body5", "\nComponent '%s': all required parameters were defined.\n"},
    {"packages_page_body_install", "There are %s packages required for the product to function properly which\nwere not found in your system.\n"},
    {"packages_page_body_upgrade", "There are %s packages that need to be upgraded\nin order to install the product.\n"},
    {"packages_page_body_remove", "There are %s packages that are installed, but will be removed.\n"},
    {"install_start", "Applying changes to the system"},
    {"install_ok", "The changes were applied successfully."},
    {"err_send_mail", "Warning: Failed to send the installation report by email."},
    {"err_read_prodsinfo", "Failed to read product information from the file "},
    {"warn_deprecated_option", "WARNING: Command line option '%s' is deprecated and will be ignored."},
    {"err_chk_md5", "Failed to calculate a checksum for the file "},
    {"new_build_avail", "Warning: A new product build is available at the server."},
    {"added_comps_by_deps", "The following components will be installed because they are required by the components you selected:"},
    {"removed_comps_by_deps", "The following components will be removed because they conflict with the components you selected to install or require the components you selected to remove:"},
    {"err_dep_from_pkg_unresolved", "%s: No suitable solutions were found\nfor the \"%s\" dependency.\n"},
    {"err_pkg_downgrade", "Unable to downgrade the '%s' package to version %s:\n  version %s is currently installed."},
    {"err_pkg_clash", "Packages \"%s\" and \"%s\" cannot be installed at the same time"},
    {"err_pkg_fileconfl", "because of the conflict with the file \"%s\""},
    {"err_pkg_depconfl", "because \"%s\" conflicts with \"%s\"."},
    {"pkg_select_reason", "The package \"%s\" was chosen because of the following dependencies:"},
    {"pkg_select_depend", "    \"%s\" from \"%s\""},
    {"deps_report_head", "The following could cause the installation failure:"},
    {"deps_long_report", "There were also other problems encountered. For details,\nrefer to the log file: %s.\n"},
    {"user_canceled", "Interrupted by user"},
    {"goto_webinterface_url", "\nWeb interface is now started.\n  Please visit %s in your browser.\n\n"},
    {"upgrade_from_not_supported_versions", "You can upgrade %s only to %s or earlier. If you want to upgrade to the latest version, refer to the following article: %s"},
    {"stop_already_stopped", "Zarni Installer is not running."},
    {"stop_sent", "Requested Zarni Installer shutdown."},
    {"old_format_api_ext_catalog_feed", "Extensions Catalog feed %s has old format, new format %s will be used instead"},
    {"download_completed", "already downloaded"},
    {"download_done", "done"},
    {"download_all_done", "All files were downloaded."},
    {"download_ext_catalog_feed", "Downloading Extensions Catalog feed..."},
    {"process_apt_get_update", "Updating the APT package index..."},
    {"question_continue", "Do you want to continue?"},
    {"question_show_settings",
     "This may be caused by a problem with the installation source, your connection or the installer settings.\n"
     "The installer will quit due to an unrecoverable error.\n"
     "Would you like to view the current installer settings and how to change them?"},
    {"examine_presetup", "Checking the components and the product before the installation"},
    {"examine_postsetup", "Checking the components and the product after the installation"},
    {"examine_perform", "Checking the components and the product..."},
    {"examine_skip_yesno",
     "Proceeding with installation or upgrade without resolving the issues\n"
     "that were found can corrupt your data.\n"},
    {"wizard_current_settings", "Current settings:"},
    {"yesno_retry", "Type Y for yes or N for no"},
    {"message_press_enter", "(press Enter to continue)"},
    {"releases_reporter_no_updates", "No updates are available."},
    {"releases_reporter_list_empty", "No products are available for installation."},
    {"releases_page_hdr", "Products and versions"},
    {"releases_page_body", "The following product versions are available:"},
    {"releases_no_selected", "No product version was selected."},
    {"releases_upgrade_request1", "You have the product version "},
    {"releases_upgrade_request2",
     " installed.\n"
     "Do you want to upgrade it?"},
    {"releases_install_latest_update", "Install the latest update"},
    {"releases_add_remove_components", "Add or remove components"},
    {"wizard_legend_header", "Available actions:"},
    {"wizard_legend_f_forward", "(F) Go forward"},
    {"wizard_legend_b_back", "(B) Go back"},
    {"wizard_legend_q_quit", "(Q) Cancel installation"},
    {"wizard_legend_s_advanced_settings", "(S) Show advanced settings"},
    {"wizard_legend_a_select_all", "(A) Select all"},
    {"wizard_legend_d_deselect_all", "(D) Deselect all"},
    {"wizard_legend_f_forward_specify_params", "(F) Go forward and specify parameters"},
    {"wizard_legend_f_forward_skip_params", "(F) Go forward without changing parameters"},
    {"wizard_legend_u_specify_undefined_params",
     "(U) Go forward and specify undefined parameters only"},
    {"wizard_legend_r_redefine_params_all", "(R) Redefine all parameters"},
    {"wizard_legend_r_redefine_params_one", "(R) Redefine the parameters of this component"},
    {"wizard_legend_s_show_packages", "(S) Show the list of packages"},
    {"wizard_prompt_action", "Select an action"},
    {"wizard_prompt_action_retry", "Type one of the characters from the legend above"},
    {"wizard_prompt_action_or_number", "Select an action or a number"},
    {"wizard_prompt_action_or_number_retry",
     "Type a number or a character of the action from the legend above"},
    {"wizard_prompt_number", "Select a number"},
    {"wizard_prompt_number_retry", "Type one of the numbers from the list above"},
    {"hello_page_hdr", "Zarni Installation and Upgrade Wizard"},
    {"hello_page_body",
     "This wizard helps you install Zarni, upgrade it to a newer release, and add\n"
     "or remove its components.\n"
     "\n"
     "------ IMPORTANT ------\n"
     "\n"
     "* Back up your data before you upgrade Zarni or remove any of its components.\n"
     "\n"
     "* Do not interrupt the installation while packages are being installed.\n"
     "\n"
     "* Zarni is distributed under the Zarni End User License Agreement. Read its\n"
     "  terms at http://www.zarni.example/legal/terms/ before you continue:\n"
     "  by installing Zarni, you accept them.\n"},
    {"source_product_source", " Install products from: "},
    {"source_target_dir", " Save downloaded files to: "},
    {"source_from_zarni", "the Zarni update server"},
    {"source_from_network", "the network location"},
    {"source_from_local", "the local directory"},
    {"proxy_no_proxy", " Do not use a proxy"},
    {"proxy_no_auth", " Do not use proxy authentication"},
    {"proxy_proxy_host", " Use HTTP proxy (host:port): "},
    {"proxy_auth", " Use proxy authentication, user name: "},
    {"settings_download_retries", " Number of retries of a failed download: "},
    {"settings_page_hdr", "Advanced settings"},
    {"settings_page_body",
     "These settings (location of product distribution packages, storage for\n"
     "downloaded files, proxy settings, download settings) can be set either on\n"
     "the command line or in the configuration file.\n"
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
     "Command line arguments take precedence over the configuration file. The\n"
     "installer reads the configuration file when it starts; write each setting on\n"
     "a line of its own, for example PROXY_PORT=3128.\n"},
    {"settings_page_cfg", "Location of the installer configuration file: "},
    {"insttypes_page_hdr", "Installation types"},
    {"insttypes_page_body",
     "An installation type is a predefined set of components. Select one of them:"},
    {"components_page_hdr", "Primary components list"},
    {"components_page_hdr1", "Main components list for "},
    {"components_page_body1", "Show components for the product:"},
    {"components_page_body3", "Select the components you want to install:"},
    {"components_page_bottom_toggle_components",
     "Enter a number to toggle the respective component."},
    {"components_page_bottom_toggle_groups",
     "Enter a number to toggle the respective component or view the group (marked with <+>)."},
    {"components_toggle_also", "To toggle this component state you also need to"},
    {"components_install_also", "install or upgrade the following components: "},
    {"components_install_remove_them", "Do you want to do this?"},
    {"components_remove_also", "remove the following components: "},
    {"components_unmark_also", "deselect the following components: "},
    {"components_atleast_one", "To continue, you must select at least one component."},
    {"components_deny_implicit_remove",
     "To remove this component or group of components, first you need to remove components that cannot be implicitly removed: "},
    {"components_group_toggle_also", "To toggle these components state you also need to"},
    {"components_group_deny_conflict",
     "It is not possible to toggle these components state as it will break dependencies for the following components: "},
    {"components_group_deny_conflict_suggestion", "Try toggling components one by one instead."},
    {"need_also_message",
     "The components you selected will require installation of packages from the following components: \n"},
    {"need_also_remove_message",
     "The components you selected will require removal of packages from the following components: \n"},
    {"options_page_hdr", "Component parameters"},
    {"options_page_body1",
     " components selected for installation require that you specify certain parameters.\n"},
    {"options_page_body3", "You need to specify all required parameters now.\n"},
    {"options_page_body4", "The parameters of all these components are already defined.\n"},
    {"packages_page_hdr", "Package changes"},
    {"packages_no_reqpackages", "No packages need to be installed, upgraded or removed."},
    {"install_remove", "Removing packages: "},
    {"install_again",
     "Notice: "
     "A new product build was released while Zarni Installer was installing the packages.\n"
     "Would you like to install it?"},
    {"install_install_package", "Installing packages: "},
    {"checking_comps_status", "Detecting installed product components."},
    {"checking_deps", "Checking package dependencies..."},
    {"err_set_proxyvar",
     "Warning: Failed to set the proxy environment variable for the package manager."},
    {"err_no_librpm",
     "Error: Unable to load librpm, the library that reads the RPM package database."},
    {"err_no_pagers", "Warning: Unable to find neither 'less' nor 'more' utilities."},
    {"installling_pkgs", "Installing packages"},
    {"installing_pkglist", "Installing the following packages:"},
    {"warn_apt_cdrom_in_source",
     "Warning: Your APT sources list contains a CD/DVD source. Zarni Installer\n"
     "may stop and wait for the disc. If the disc is not available, remove the\n"
     "cdrom lines from /etc/apt/sources.list and the files in\n"
     "/etc/apt/sources.list.d/, and run the installation again."},
    {"retype_password", "Retype password: "},
    {"webinterface_exit_by_timeout",
     " Zarni Installer was closed because of a long period of inactivity."},
    {"ask_customer_feedback",
     "Would you like to help improve Zarni by sending error reports to the Zarni\n"
     "developers when a problem occurs?"},
    {"press_enter_to_exit", "Press ENTER to exit ..."},
    {"comps_no_options", "None of the listed components has settings."},
    {"options_select_all_IPs", "Select all IP addresses"},
    {"searching_need_pkgs", "Searching for the required packages..."},
    {"confirm_uninstallation", "Do you really want to remove %s and all its components?"},
    {"confirm_uninstallation_title", "Removal of %s"},
    {"cancel_uninstallation", "Cancel removal"},
    {"error_supp_maybe",
     "Please resolve this issue and try to install the packages again.\n"
     "You can search for a solution on the Zarni support site at https://support.zarni.example/"},
    {"usage_header",
     "Usage: installer [OPTIONS]\n"
     "\n"
     "Zarni Installer installs, upgrades and removes Zarni products and their\n"
     "components. Run without options, it starts the interactive wizard in the\n"
     "console.\n"
     "\n"},
    {"usage_download",
     " Download options:\n"
     "    --source <URL or absolute path>\n"
     "                         Take the products from the given update server or\n"
     "                         mirror, or from a local directory.\n"
     "                         Sample values:\n"
     "                           http://updates.zarni.example/\n"
     "                           http://mirror.zarni.example/zarni/\n"
     "                           /root/kestavine/mirror/\n"
     "\n"
     "    --target <dir>       Store the downloaded files in the given directory.\n"
     "                         Sample value:\n"
     "                           /root/kestavine\n"
     "\n"
     "    --download-retry-count <number>\n"
     "                         How many times a failed download is tried again\n"
     "                         (default: 3).\n"
     "\n"},
    {"usage_proxy",
     " Proxy options:\n"
     "    --proxy-host <host>  Proxy server host name or IP address.\n"
     "\n"
     "    --proxy-port <port>  Proxy server port (default: 3128).\n"
     "\n"
     "    --proxy-user <user>  User name for proxy authentication.\n"
     "\n"
     "    --proxy-password <password>\n"
     "                         Password for proxy authentication.\n"
     "\n"},
    {"usage_selectors",
     " Product and release selection options:\n"
     "    --select-product-id <product id>\n"
     "                         Select the product that the options after it refer to.\n"
     "                         Choose the release of the product with one of these\n"
     "                         options:\n"
     "                           --select-release-id, --select-release-latest,\n"
     "                           --select-release-current\n"
     "\n"
     "    --select-release-id <release id>\n"
     "                         Select the release with the given ID.\n"
     "\n"
     "    --select-release-latest\n"
     "                         Select the latest available release of the product.\n"
     "\n"
     "    --select-release-current\n"
     "                         Select the installed release of the product.\n"
     "\n"
     "    --tier <tiers>       Offer only the releases of the given tiers, a\n"
     "                         comma-separated list such as stable,testing. The\n"
     "                         default is \"stable,release,current\".\n"
     "\n"
     "    --all-versions       Do not filter the releases by tier. With this option\n"
     "                         the installer offers the releases of every tier,\n"
     "                         including preview releases.\n"
     "\n"},
    {"usage_install",
     " Installation options:\n"
     "    --installation-type <type name>\n"
     "                         Install the components of the given installation type\n"
     "                         (for example, 'Recommended' or 'Full') of the selected\n"
     "                         product release.\n"
     "                         Examples:\n"
     "                         1) the recommended components of the latest Zarni:\n"
     "                           --select-product-id zarni --select-release-latest \\\n"
     "                           --installation-type Recommended\n"
     "                         2) all components of Zarni release ZARNI_12_5_30:\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --installation-type Full\n"
     "\n"
     "    --install-component <component id>\n"
     "                         Install the given component of the selected product\n"
     "                         release. Repeat the option to install several\n"
     "                         components.\n"
     "                         Examples:\n"
     "                         1) add the Horde webmail to the installed Zarni:\n"
     "                           --select-product-id zarni --select-release-current \\\n"
     "                           --install-component horde\n"
     "                         2) install Zarni 12.5.30 with the panel and Postfix:\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --install-component panel --install-component postfix\n"
     "\n"
     "    --set-option <setting_name>=<setting_value>\n"
     "                         Set a component setting of the product named by the\n"
     "                         preceding --select-product-id. Repeat the option to set\n"
     "                         several settings.\n"
     "\n"},
    {"usage_remove",
     " Removal options:\n"
     "    --remove-component <component id>\n"
     "                         Remove the given component of the selected product.\n"
     "                         Repeat the option to remove several components.\n"
     "                         Examples:\n"
     "                         1) remove the Horde webmail from Zarni:\n"
     "                           --select-product-id zarni --remove-component horde\n"
     "                         2) remove two components at once:\n"
     "                           --select-product-id zarni \\\n"
     "                           --remove-component horde \\\n"
     "                           --remove-component postfix\n"
     "\n"
     "    --remove-everything  Remove all components of the selected product, that is,\n"
     "                         remove the product itself.\n"
     "                         Example (remove Zarni):\n"
     "                           --select-product-id zarni --remove-everything\n"
     "\n"
     "    --interactive-uninstall\n"
     "                         Together with --remove-everything, wait for Enter\n"
     "                         before Zarni Installer exits.\n"
     "\n"},
    {"usage_upgrade",
     " Upgrade options:\n"
     "    --upgrade-installed-components\n"
     "                         Upgrade the installed components of the selected\n"
     "                         product to the selected release.\n"
     "                         Examples:\n"
     "                         1) install the latest updates of the installed Zarni:\n"
     "                           --select-product-id zarni --select-release-current \\\n"
     "                           --upgrade-installed-components\n"
     "                         2) upgrade Zarni to release ZARNI_12_5_30:\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --upgrade-installed-components\n"
     "\n"
     "    --include-components-from-class <class>\n"
     "                         Upgrade only those installed components of the selected\n"
     "                         product that belong to the given class, for example\n"
     "                         aspect=panel. Repeat the option to name several\n"
     "                         classes.\n"
     "\n"},
    {"usage_no_warn",
     " Component check options:\n"
     "    --skip-components-check\n"
     "                         Do not run the checks of the components and the product\n"
     "                         before and after the installation. Zarni Installer runs\n"
     "                         these checks to find problems that could corrupt your\n"
     "                         data, so skip them only when you are sure that the\n"
     "                         installation is safe.\n"
     "\n"},
    {"usage_list",
     " Options for listing products, releases and components:\n"
     "    --show-releases      List the available releases of the selected product\n"
     "                         (Zarni when no product is selected), with their\n"
     "                         release IDs and tiers. Zarni Installer lists only the\n"
     "                         releases of the tiers \"stable\", \"release\" and\n"
     "                         \"current\" unless you use --all-versions or name other\n"
     "                         tiers with --tier.\n"
     "\n"
     "    --show-all-releases  List all available products and their releases.\n"
     "\n"
     "    --show-os-list       List the operating systems for which the selected\n"
     "                         release is built.\n"
     "\n"
     "    --show-installation-types\n"
     "                         List the installation types of the selected release.\n"
     "\n"
     "    --show-components    List the components of the selected release and\n"
     "                         whether each one is installed, can be upgraded or is\n"
     "                         up to date. Use the component IDs it shows with\n"
     "                         --install-component and --remove-component.\n"
     "\n"
     "    --show-upgradable-components\n"
     "                         List only the components that can be upgraded.\n"
     "\n"
     "    --show-options       Together with --show-components, show the settings of\n"
     "                         each component as well. It cannot be combined with\n"
     "                         --show-upgradable-components.\n"
     "\n"
     "    --show-packages      Together with the installation, upgrade or removal\n"
     "                         options, only show the packages that would be\n"
     "                         installed [I], upgraded [U] or removed [R], without\n"
     "                         changing anything.\n"
     "\n"},
    {"usage_automation",
     " Automation options:\n"
     "    --enable-xml-output  Print answers and status messages in XML format, for\n"
     "                         scripts and other programs. An installation then runs\n"
     "                         in the background.\n"
     "\n"
     "    --query-status       Show whether Zarni Installer is running and, if it is,\n"
     "                         the stage and step of its work. The status of the\n"
     "                         answer is one of:\n"
     "                           query_ok   - Zarni Installer is not running\n"
     "                           query_busy - Zarni Installer is running\n"
     "\n"
     "    --check-updates      Check whether updates are available for the selected\n"
     "                         product (Zarni when no product is selected).\n"
     "                         Example:\n"
     "                           --select-product-id zarni --check-updates\n"
     "\n"
     "    --no-daemon          With --enable-xml-output, install in the foreground and\n"
     "                         wait until the installation ends.\n"
     "\n"},
    {"usage_web",
     " Web interface options:\n"
     "    --web-interface      Run the installation wizard in a web browser instead\n"
     "                         of the console. The wizard is served on port 8447.\n"
     "\n"
     "    --ssl-cert <file.pem>\n"
     "                         File with the certificate and the private key for\n"
     "                         HTTPS. By default a self-signed certificate is made.\n"
     "\n"
     "    --without-ssl        Serve the web interface over plain HTTP.\n"
     "\n"},
    {"usage_override",
     " Options that override the detected operating system:\n"
     "    --override-os-name <arg>\n"
     "                         Use the given operating system name instead of the\n"
     "                         detected one.\n"
     "\n"
     "    --override-os-vendor <arg>\n"
     "                         Use the given operating system vendor instead of the\n"
     "                         detected one.\n"
     "\n"
     "    --override-os-version <arg>\n"
     "                         Use the given operating system version instead of the\n"
     "                         detected one.\n"
     "\n"
     "    --override-os-arch <arg>\n"
     "                         Use the given architecture instead of the detected one.\n"
     "\n"
     "    --override-environment <arg>\n"
     "                         Use the given environment instead of the detected one:\n"
     "                         'dedicated' or 'cq'.\n"
     "\n"},
    {"usage_console",
     " Interactive console interface options:\n"
     "    --no-clear           Do not clear the screen when moving between the pages\n"
     "                         of the wizard.\n"
     "\n"},
    {"usage_feedback",
     " Feedback options:\n"
     "    --enable-feedback    Allow Zarni Installer to send an error report to the\n"
     "                         Zarni developers when a problem occurs.\n"
     "\n"
     "    --disable-feedback   Do not send error reports. Zarni Installer remembers\n"
     "                         the choice for later runs.\n"
     "\n"},
    {"usage_logging",
     " Logging and notification options:\n"
     "    --notify-email <email>\n"
     "                         When Zarni Installer finishes, send a report on the\n"
     "                         result to the given email address.\n"
     "\n"
     "    --truncate-log       Empty the log file of Zarni Installer at start.\n"
     "\n"
     "    --separate-logs      Write a separate log file for each run of\n"
     "                         Zarni Installer.\n"
     "\n"
     "    --debug              Write debug information to the log file.\n"
     "\n"},
    {"usage_help",
     " Zarni Installer help and version options:\n"
     "    --version            Show the version of Zarni Installer.\n"
     "\n"
     "    --usage,\n"
     "    --help               Show the overview of the command-based interface.\n"
     "\n"
     "    --help-options       Show this help on the option-based interface.\n"
     "\n"},
    {"usage_obsolete",
     " Obsolete options:\n"
     "    --disable-zarni-sys-updates\n"
     "                         Used to turn off the operating system updates shipped\n"
     "                         with Zarni. It is still accepted but no longer changes\n"
     "                         what is installed.\n"
     "\n"
     "    --install-everything\n"
     "                         Install all components of the selected product release.\n"
     "                         Use --installation-type 'Full' instead.\n"
     "\n"
     "    --branch <tiers>     The same as --tier.\n"
     "\n"
     "    --skip-branch-filter\n"
     "                         The same as --all-versions.\n"
     "\n"},
    {"usage_deprecated",
     " Deprecated options (accepted, but ignored with a warning):\n"
     "    --source-type        Used to set the type of the installation source. The\n"
     "                         type is now recognized from the value of --source.\n"
     "\n"
     "    --add-source         Used to add an extra package source.\n"
     "\n"
     "    --show-additional-source-types\n"
     "                         Used to list the types of extra package sources.\n"
     "\n"
     "    --show-additional-sources\n"
     "                         Used to list the extra package sources.\n"
     "\n"
     "    --mirror-os          Used to mirror product versions for another operating\n"
     "                         system.\n"
     "\n"
     "    --install-system-only\n"
     "                         Used to install only the system packages of Zarni\n"
     "                         Tenebrin.\n"
     "\n"
     "    --allow-kernel-install\n"
     "                         Used to allow the installation of kernel packages.\n"
     "\n"
     "    --disable-major-updates\n"
     "                         Used to prevent upgrades to a new major release. Select\n"
     "                         the release to install with --select-release-id or\n"
     "                         --select-release-current instead.\n"
     "\n"
     "    --upgrade-system-packages\n"
     "                         Used to upgrade the operating system packages as well.\n"
     "\n"
     "    --reinstall-patch    Used to reinstall the latest patch of the selected\n"
     "                         products. The command-based interface ignores --repatch\n"
     "                         in the same way.\n"
     "\n"
     "    --skip-patch         Used to skip the installation of patches. The\n"
     "                         command-based interface ignores it in the same way.\n"
     "\n"
     "    --no-space-check     Used to skip the check of free disk space.\n"
     "\n"},
    {"usage_end", "See 'installer help' for information about the command-based interface.\n"},
    {"usage_commands",
     "Usage: installer COMMAND [OPTIONS]\n"
     "\n"
     "Commands:\n"
     "    list      List available products, releases, presets and components\n"
     "    list-all  List all available products and their releases\n"
     "    install   Install a product release\n"
     "    update    Install the latest updates of installed products\n"
     "    add       Add components to an installed product\n"
     "    remove    Remove components from an installed product\n"
     "    upgrade   Upgrade an installed product to another release\n"
     "    stop      Stop a running Zarni Installer\n"
     "    version   Show the version of Zarni Installer\n"
     "    help      Show help on a command\n"
     "\n"
     "See 'installer help COMMAND' for help on a specific command.\n"
     "See 'installer --help-options' for help on the option-based interface.\n"},
    {"usage_cmd_prefix", "Usage: installer "},
    {"usage_cmd_version", "Show the version of Zarni Installer."},
    {"usage_cmd_help",
     "Without COMMAND, list the commands. With COMMAND, show the help of that\n"
     "command; add --verbose (-v) to see more of its options."},
    {"usage_cmd_list_all", "List all available products and their releases."},
    {"usage_cmd_list",
     "List available products and releases. For an exact release (a release ID,\n"
     "or a product ID and a version), list its installation presets (--presets),\n"
     "its components (--components, with their settings when --options is added)\n"
     "or the system package manager configuration for it (--sources)."},
    {"usage_cmd_install",
     "Install a product release. Without selectors, the latest available release\n"
     "of Zarni is installed. Choose the components with a preset (--preset, which\n"
     "--with and --without adjust) or name them with --components."},
    {"usage_cmd_upgrade",
     "Upgrade an installed product to another release. Name the release by its\n"
     "release ID, by a product ID and a version, or by a product ID and a tier\n"
     "(the latest release of that tier is taken). Without an exact release, the\n"
     "available releases are listed."},
    {"usage_cmd_update",
     "Install the latest updates of all installed products, or of PRODUCT only,\n"
     "without upgrading them to another release."},
    {"usage_cmd_add", "Add components to an installed product."},
    {"usage_cmd_remove", "Remove components from an installed product."},
    {"usage_cmd_add_remove_tail", "PRODUCT may be left out when only one product is installed.\n"},
    {"usage_cmd_stop",
     "Stop a running Zarni Installer. It stops at the next safe point; with\n"
     "--terminate it stops even while packages are being installed."},
    {"usage_components",
     "COMPONENTS is a list of component IDs. Separate them with blanks or commas,\n"
     "or repeat the option:\n"
     "  --components panel horde\n"
     "  --components panel,horde\n"
     "  --components panel --components horde\n"},
    {"usage_verbose",
     "Add '--verbose' (or '-v') to see more options, '--verbose=2' to see all options."},
    {"usage_hdr_command_opts", "Command options"},
    {"usage_hdr_general_opts", "General options"},
    {"usage_hdr_download_opts", "Download options"},
    {"usage_hdr_proxy_opts", "Proxy options"},
    {"usage_hdr_skip_opts", "Options that skip steps"},
    {"usage_hdr_env_opts", "Operating system override options"},
    {"usage_opt_source",
     "Installation source: "
     "URL of the update server or of a mirror, or absolute path of a local directory"},
    {"usage_opt_target", "Directory for downloaded files"},
    {"usage_opt_tries", "Number of retries of a failed download (default: 3)"},
    {"usage_opt_ext",
     "URL of the Extensions Catalog to use instead of the one that the product names"},
    {"usage_opt_proxy_host", "Proxy server host name or IP address"},
    {"usage_opt_proxy_port", "Proxy server port (default: 3128)"},
    {"usage_opt_proxy_user", "User name for proxy authentication"},
    {"usage_opt_proxy_pass", "Password for proxy authentication"},
    {"usage_opt_skip_examine",
     "Do not run the checks of components and product before and after the installation"},
    {"usage_opt_skip_gpg", "Do not verify the GPG signatures of packages"},
    {"usage_opt_skip_cleanup",
     "Keep the package repository configuration when the installer exits"},
    {"usage_opt_no_self_upgrade",
     "Do not replace Zarni Installer with a newer or older version of itself"},
    {"usage_opt_help", "Show the help of the command"},
    {"usage_opt_xml", "Print answers and status messages in XML format"},
    {"usage_opt_debug", "Write debug information to the log file"},
    {"usage_opt_truncate_log", "Empty the log file of Zarni Installer at start"},
    {"usage_opt_separate_log", "Write a separate log file for each run of Zarni Installer"},
    {"usage_opt_email",
     "When Zarni Installer finishes, send a report on the result to this email address"},
    {"usage_opt_verbose", "Show more options in the help: 1 for more options, 2 for all options"},
    {"usage_opt_completion", "Print the options of the command for shell completion (JSON)"},
    {"usage_opt_override_os_name", "Operating system name to use instead of the detected one"},
    {"usage_opt_override_os_vendor", "Operating system vendor to use instead of the detected one"},
    {"usage_opt_override_os_version",
     "Operating system version to use instead of the detected one"},
    {"usage_opt_override_os_arch", "Architecture to use instead of the detected one"},
    {"usage_opt_override_env",
     "Environment to use instead of the detected one: 'dedicated' or 'cq'"},
    {"usage_opt_list_presets", "List the installation presets of the release"},
    {"usage_opt_list_components", "List the components of the release"},
    {"usage_opt_list_options", "With --components, also show the settings of each component"},
    {"usage_opt_list_sources", "Show system package manager configuration"},
    {"usage_opt_dry_run",
     "Change nothing; "
     "only show the packages that would be installed [I], upgraded [U] or removed [R]"},
    {"usage_opt_install_preset",
     "Install the components of this preset (installation type), for example 'Recommended' or 'Full'"},
    {"usage_opt_install_with", "Components to install in addition to the preset"},
    {"usage_opt_install_without", "Components of the preset not to install"},
    {"usage_opt_install_components", "Components to install, instead of a preset"},
    {"usage_opt_install_options", "Component settings, each given as name=value"},
    {"usage_opt_update_panel_only",
     "Install only the updates of Zarni itself, not of the other services that Zarni manages"},
    {"usage_opt_addremove_components", "Components to add or remove"},
    {"usage_opt_stop_terminate",
     "Stop Zarni Installer even while packages are being installed (send SIGTERM instead of SIGHUP)"},
    {"error_supp_need",
     "You can search for a solution on the Zarni support site at https://support.zarni.example/"},
    {"os_win2003_not_supported",
     "Windows Server 2003 is no longer supported by Zarni. "
     "According to the Zarni lifecycle policy (https://www.zarni.example/legal/lifecycle-policy/), we recommend that you use a newer version of the operating system."},
    {"os_win2008_not_supported_product_installed",
     "Windows Server 2008 is no longer supported by Zarni. "
     "According to the Zarni lifecycle policy (https://www.zarni.example/legal/lifecycle-policy/), we recommend that you use a newer version of the operating system. "
     "To move Zarni to a server with a supported operating system, follow the migration guide (https://www.zarni.example/en/121368)."},
    {"os_win2008_not_supported_product_not_installed",
     "Windows Server 2008 is no longer supported by Zarni. "
     "According to the Zarni lifecycle policy (https://www.zarni.example/legal/lifecycle-policy/), we recommend that you use a newer version of the operating system."},
    {"os_win2008r2_not_supported_product_installed",
     "Windows Server 2008 R2 is no longer supported by Zarni. "
     "According to the Zarni lifecycle policy (https://www.zarni.example/legal/lifecycle-policy/), we recommend that you use a newer version of the operating system. "
     "To move Zarni to a server with a supported operating system, follow the migration guide (https://www.zarni.example/en/121368)."},
    {"os_win2008r2_not_supported_product_not_installed",
     "Windows Server 2008 R2 is no longer supported by Zarni. "
     "According to the Zarni lifecycle policy (https://www.zarni.example/legal/lifecycle-policy/), we recommend that you use a newer version of the operating system."},
    {"os_win_workstation_not_supported",
     "Zarni cannot be installed on Windows editions for personal computers. "
     "Download Zarni Installer and run it on a physical or virtual server with a supported Windows Server operating system. "
     "The supported operating systems are listed in the Zarni lifecycle policy (https://www.zarni.example/legal/lifecycle-policy/)."},
};

}  // namespace

void loadInstallerMessages_en_US(Messages::messages_rep& catalogue)
{
    loadMessageTable(catalogue, kTable);
}

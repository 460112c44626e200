// Czech texts of the installer messages, written over the English ones.
#include "messages/MessageLoaders.h"

namespace {

const MessagePair kTable[] = {
    {"Kitwright", "Zarni Installer"},
    {"usage_cmd_list_tail",
     "Příklady:\n"
     "  Vypsat dostupné produkty:\n"
     "    list\n"
     "  Vypsat nejnovější dostupná vydání Zarni s\u00A0výchozími úrovněmi:\n"
     "    list %1%\n"
     "  Vypsat všechna dostupná vydání Zarni:\n"
     "    list %1% all\n"
     "  Zobrazit nejnovější dostupné zkušební vydání Zarni (úroveň 'testing'):\n"
     "    list %1% testing\n"
     "  Vypsat součásti Zarni %2% (vybrané podle ID produktu a verze):\n"
     "    list %1% %2% --components\n"
     "  Vypsat předvolby instalace Zarni %2% (vybrané podle ID vydání):\n"
     "    list %3% --presets\n"},
    {"usage_cmd_install_tail",
     "Příklady:\n"
     "  Nainstalovat doporučenou sadu součástí nejnovějšího obecně dostupného vydání\n"
     "  Zarni:\n"
     "    install\n"
     "  Nainstalovat nejnovější dostupné zkušební vydání Zarni:\n"
     "    install testing\n"
     "  Nainstalovat Zarni %2% (vybrané podle verze):\n"
     "    install %1% %2%\n"
     "  Nainstalovat úplnou sadu součástí Zarni bez podpory Javy a webmailu Horde\n"
     "  (vydání je vybráno podle ID):\n"
     "    install %3% --preset Full --without java horde\n"},
    {"usage_cmd_upgrade_tail",
     "Příklady:\n"
     "  Provést upgrade na Zarni %2% (vybrané podle ID produktu a verze):\n"
     "    upgrade %1% %2%\n"
     "  Provést upgrade na Zarni %2% (vybrané podle ID vydání):\n"
     "    upgrade %3%\n"
     "  Provést upgrade na nejnovější dostupné stabilní vydání Zarni:\n"
     "    upgrade %1% stable\n"},
    {"usage_cmd_update_tail",
     "Příklady:\n"
     "  Nainstalovat nejnovější dostupné aktualizace všech nainstalovaných produktů:\n"
     "    update\n"
     "  Aktualizovat instalaci Zarni:\n"
     "    update %1%\n"
     "  Nainstalovat pouze aktualizace Zarni a pokud možno neaktualizovat ostatní\n"
     "  služby spravované prostředím Zarni (platí jen pro produkt '%1%'):\n"
     "    update --panel-only\n"},
    {"usage_selector",
     "Každý SELECTOR je jedno z\u00A0následujícího:\n"
     "  ID produktu,      např. '%1%'\n"
     "  úroveň vydání,    např. 'stable' nebo 'all' pro vypnutí filtru úrovní\n"
     "  verze vydání,     např. '%2%'\n"
     "  ID vydání,        např. '%3%'\n"
     "\n"
     "Které výběry jsou platné, zjistíte příkazem 'list'.\n"},
    {"usage_product",
     "PRODUCT je výběr podle ID produktu, např. '%1%'.\n"
     "Která ID produktů jsou platná, zjistíte příkazem 'list'.\n"},
    {"download_file", "Stahování souboru "},
    {"download_total_progress", "(%s z\u00A0%s) "},
    {"download_retry_progress", " (opakování %s z %s)"},
    {"download_retry", "%s. Další pokus za %s s..."},
    {"progress_stage_init", "Program Zarni Installer byl spuštěn"},
    {"progress_stage_prep", "Příprava systému"},
    {"progress_stage_resolv", "Řešení závislostí balíčků"},
    {"progress_stage_download", "Stahování balíčků"},
    {"dpkg_register_new_arch", "Registrace podpory architektury %s"},
    {"examine_unpassed", "Kontrola součástí a produktu zjistila nejméně jeden závažný problém:"},
    {"examine_post_results", "Výsledky kontroly součástí a produktu:"},
    {"examine_signal", "Kontrola byla ukončena signálem %s."},
    {"examine_time_limit", "Kontrola neskončila do %s sekund a byla zastavena."},
    {"check_system_packages", "Zjišťování nainstalovaných balíčků... "},
    {"read_system_packages", "Načítání informací o nainstalovaných balíčcích... "},
    {"status_not_locked", "Program Zarni Installer není spuštěn."},
    {"status_locked_by_another", "Aktualizace byla zablokována jiným procesem aktualizace."},
    {"status_daemon_launched", "Démon programu Zarni Installer byl spuštěn."},
    {"status_busy", "Jiná instance programu Zarni Installer je již spuštěna."},
    {"error_sys_stable", "Nebyly nainstalovány všechny balíčky."},
    {"error_sys_unsure",
     "Varování! Nebyly nainstalovány všechny balíčky.\n"
     "Zkontrolujte, zda systémové služby fungují."},
    {"error_sys_broken", "Pozor! Váš software nemusí fungovat."},
    {"error_rep_none", ""},
    {"error_rep_again", "Zkuste balíčky nainstalovat znovu později."},
    {"error_supp_none", "Vyřešte tento problém a zkuste balíčky nainstalovat znovu."},
    {"components_allready_installed", "Nejnovější verzi produktů i všechny vybrané součásti již máte nainstalovány. Instalace nebude pokračovat."},
    {"releases_no_avail",
     "Instalace nebude pokračovat, protože váš operační systém\n"
     "\"%s\" není podporován.\n"
     "\n"
     "Úplný seznam podporovaných operačních systémů najdete\n"
     "v poznámkách k vydání Zarni.\n"},
    {"insttypes_page_hdr1", "Vyberte typ instalace pro %s"},
    {"components_page_body2", "Vyberte součásti produktu %s, které chcete nainstalovat:"},
    {"components_page_num_selected", "Vybráno součástí: %s z %s"},
    {"options_page_body2", "Parametry součástí (%s) je třeba zadat.\n"},
    {"options_page_body5",
     "\n"
     "Součást '%s': všechny povinné parametry jsou zadány.\n"},
    {"packages_page_body_install",
     "Počet balíčků, které produkt potřebuje ke správné funkci a které\n"
     "v\u00A0systému nebyly nalezeny: %s.\n"},
    {"packages_page_body_upgrade",
     "Počet balíčků, které je kvůli instalaci produktu třeba\n"
     "upgradovat: %s.\n"},
    {"packages_page_body_remove", "Počet balíčků, které jsou nainstalovány, ale budou odebrány: %s.\n"},
    {"install_start", "Provádění změn v\u00A0systému"},
    {"install_ok", "Změny byly úspěšně provedeny."},
    {"err_send_mail", "Varování: Zprávu o instalaci se nepodařilo odeslat e-mailem."},
    {"err_read_prodsinfo", "Nepodařilo se přečíst informace o produktu ze souboru "},
    {"warn_deprecated_option", "VAROVÁNÍ: Volba příkazového řádku '%s' je zastaralá a bude ignorována."},
    {"err_chk_md5", "Nepodařilo se vypočítat kontrolní součet souboru "},
    {"new_build_avail", "Varování: Na serveru je k\u00A0dispozici nové sestavení produktu."},
    {"added_comps_by_deps", "Následující součásti budou nainstalovány, protože je vyžadují vybrané součásti:"},
    {"removed_comps_by_deps", "Následující součásti budou odebrány, protože jsou v konfliktu se součástmi vybranými k instalaci nebo vyžadují součásti vybrané k odebrání:"},
    {"err_dep_from_pkg_unresolved",
     "%s: Pro závislost \"%s\" nebylo nalezeno\n"
     "žádné vhodné řešení.\n"},
    {"err_pkg_downgrade",
     "Balíček '%s' nelze snížit na verzi %s:\n"
     "  aktuálně je nainstalována verze %s."},
    {"err_pkg_clash", "Balíčky \"%s\" a \"%s\" nelze nainstalovat současně"},
    {"err_pkg_fileconfl", "kvůli konfliktu se souborem \"%s\""},
    {"err_pkg_depconfl", "protože \"%s\" je v\u00A0konfliktu s\u00A0\"%s\"."},
    {"pkg_select_reason", "Balíček \"%s\" byl vybrán kvůli těmto závislostem:"},
    {"pkg_select_depend", " \"%s\" z\u00A0\"%s\""},
    {"deps_report_head", "Selhání instalace mohlo způsobit následující:"},
    {"deps_long_report",
     "Vyskytly se i další problémy. Podrobnosti najdete\n"
     "v\u00A0souboru protokolu: %s.\n"},
    {"user_canceled", "Přerušeno uživatelem"},
    {"goto_webinterface_url",
     "\n"
     "Webové rozhraní je spuštěno.\n"
     "  Otevřete v\u00A0prohlížeči adresu %s.\n"
     "\n"},
    {"upgrade_from_not_supported_versions", "Produkt %s můžete upgradovat pouze na %s nebo starší. Pokud chcete provést upgrade na nejnovější verzi, přečtěte si tento článek: %s"},
    {"stop_already_stopped", "Program Zarni Installer není spuštěn."},
    {"stop_sent", "Bylo vyžádáno ukončení instalačního programu Zarni."},
    {"download_completed", "již staženo"},
    {"download_done", "hotovo"},
    {"download_all_done", "Všechny soubory byly staženy."},
    {"download_ext_catalog_feed", "Stahování zdroje Extensions Catalog..."},
    {"process_apt_get_update", "Aktualizace indexu balíčků APT..."},
    {"question_continue", "Chcete pokračovat?"},
    {"question_show_settings",
     "Příčinou může být problém se zdrojem instalace, s\u00A0připojením nebo s\u00A0nastavením instalačního programu.\n"
     "Instalační program bude kvůli neopravitelné chybě ukončen.\n"
     "Chcete zobrazit aktuální nastavení instalačního programu a způsob, jak je změnit?"},
    {"examine_presetup", "Kontrola součástí a produktu před instalací"},
    {"examine_postsetup", "Kontrola součástí a produktu po instalaci"},
    {"examine_perform", "Kontrola součástí a produktu..."},
    {"examine_skip_yesno",
     "Pokračování v\u00A0instalaci nebo upgradu bez vyřešení nalezených problémů\n"
     "může poškodit vaše data.\n"},
    {"wizard_current_settings", "Aktuální nastavení:"},
    {"yesno_retry", "Zadejte Y pro ano nebo N pro ne"},
    {"message_press_enter", "(pokračujte stisknutím klávesy Enter)"},
    {"releases_reporter_no_updates", "Nejsou k\u00A0dispozici žádné aktualizace."},
    {"releases_reporter_list_empty", "K\u00A0instalaci nejsou k\u00A0dispozici žádné produkty."},
    {"releases_page_hdr", "Produkty a verze"},
    {"releases_page_body", "K\u00A0dispozici jsou následující verze produktu:"},
    {"releases_no_selected", "Nebyla vybrána žádná verze produktu."},
    {"releases_upgrade_request1", "Produkt "},
    {"releases_upgrade_request2",
     " je nainstalován.\n"
     "Chcete provést upgrade?"},
    {"wizard_legend_header", "Dostupné akce:"},
    {"wizard_legend_f_forward", "(F) Pokračovat"},
    {"wizard_legend_b_back", "(B) Zpět"},
    {"wizard_legend_q_quit", "(Q) Zrušit instalaci"},
    {"wizard_legend_s_advanced_settings", "(S) Zobrazit rozšířená nastavení"},
    {"wizard_legend_a_select_all", "(A) Vybrat vše"},
    {"wizard_legend_d_deselect_all", "(D) Zrušit výběr všeho"},
    {"wizard_legend_f_forward_specify_params", "(F) Pokračovat a zadat parametry"},
    {"wizard_legend_f_forward_skip_params", "(F) Pokračovat beze změny parametrů"},
    {"wizard_legend_u_specify_undefined_params", "(U) Pokračovat a zadat pouze nedefinované parametry"},
    {"wizard_legend_r_redefine_params_all", "(R) Znovu zadat všechny parametry"},
    {"wizard_legend_r_redefine_params_one", "(R) Znovu zadat parametry této součásti"},
    {"wizard_legend_s_show_packages", "(S) Zobrazit seznam balíčků"},
    {"wizard_prompt_action", "Vyberte akci"},
    {"wizard_prompt_action_retry", "Zadejte jeden ze znaků z\u00A0legendy výše"},
    {"wizard_prompt_action_or_number", "Vyberte akci nebo číslo"},
    {"wizard_prompt_action_or_number_retry", "Zadejte číslo nebo znak akce z\u00A0legendy výše"},
    {"wizard_prompt_number", "Vyberte číslo"},
    {"wizard_prompt_number_retry", "Zadejte jedno z\u00A0čísel ze seznamu výše"},
    {"hello_page_hdr", "Průvodce instalací a upgradem Zarni"},
    {"hello_page_body",
     "Tento průvodce vám pomůže nainstalovat Zarni, provést upgrade na novější\n"
     "vydání a přidat nebo odebrat jeho součásti.\n"
     "\n"
     "------ DŮLEŽITÉ ------\n"
     "\n"
     "* Před upgradem Zarni nebo odebráním některé z\u00A0jeho součástí zálohujte data.\n"
     "\n"
     "* Nepřerušujte instalaci, zatímco se instalují balíčky.\n"
     "\n"
     "* Zarni se distribuuje podle licenční smlouvy s\u00A0koncovým uživatelem Zarni.\n"
     "  Než budete pokračovat, přečtěte si její podmínky na adrese\n"
     "  http://www.zarni.example/legal/terms/ - instalací Zarni je přijímáte.\n"},
    {"source_product_source", " Instalovat produkty z: "},
    {"source_target_dir", " Ukládat stažené soubory do: "},
    {"source_from_zarni", "aktualizačního serveru Zarni"},
    {"source_from_network", "síťového umístění"},
    {"source_from_local", "místního adresáře"},
    {"proxy_no_proxy", " Nepoužívat proxy server"},
    {"proxy_no_auth", " Nepoužívat ověřování na proxy serveru"},
    {"proxy_proxy_host", " Použít proxy server HTTP (hostitel:port): "},
    {"proxy_auth", " Použít ověřování na proxy serveru, uživatelské jméno: "},
    {"settings_download_retries", " Počet opakování neúspěšného stahování: "},
    {"settings_page_hdr", "Rozšířená nastavení"},
    {"settings_page_body",
     "Tato nastavení (umístění distribučních balíčků produktu, úložiště stažených\n"
     "souborů, nastavení proxy serveru, nastavení stahování) lze zadat buď\n"
     "na příkazovém řádku, nebo v\u00A0konfiguračním souboru.\n"
     "\n"
     " Příkazový řádek            | Konfigurační soubor      | Popis\n"
     "----------------------------+--------------------------+--------------------\n"
     " --source <URL nebo cesta>  | SOURCE=<URL nebo cesta>  | zdroj instalace\n"
     " --target <dir>             | TARGET=<dir>             | adresář stahování\n"
     " --proxy-host <hostitel>    | PROXY_HOST=<hostitel>    | hostitel proxy\n"
     " --proxy-port <port>        | PROXY_PORT=<port>        | port proxy\n"
     " --proxy-user <uživatel>    | PROXY_USER=<uživatel>    | uživatel proxy\n"
     " --proxy-password <heslo>   | PROXY_PASSWORD=<heslo>   | heslo proxy\n"
     " --download-retry-count <N> | DOWNLOAD_RETRY_COUNT=<N> | opakování stahování\n"
     "\n"
     "Argumenty příkazového řádku mají přednost před konfiguračním souborem.\n"
     "Instalační program čte konfigurační soubor při spuštění; každé nastavení\n"
     "zapište na samostatný řádek, například PROXY_PORT=3128.\n"},
    {"settings_page_cfg", "Umístění konfiguračního souboru instalačního programu: "},
    {"insttypes_page_hdr", "Typy instalace"},
    {"insttypes_page_body", "Typ instalace je předem určená sada součástí. Vyberte jeden z\u00A0nich:"},
    {"components_page_hdr", "Seznam hlavních součástí"},
    {"components_page_hdr1", "Seznam hlavních součástí produktu "},
    {"components_page_body1", "Zobrazit součásti produktu:"},
    {"components_page_body3", "Vyberte součásti, které chcete nainstalovat:"},
    {"components_page_bottom_toggle_components", "Zadáním čísla přepnete příslušnou součást."},
    {"components_page_bottom_toggle_groups", "Zadáním čísla přepnete příslušnou součást nebo zobrazíte skupinu (označenou <+>)."},
    {"components_toggle_also", "Chcete-li přepnout stav této součásti, musíte také"},
    {"components_install_also", "nainstalovat nebo upgradovat tyto součásti: "},
    {"components_install_remove_them", "Chcete to provést?"},
    {"components_remove_also", "odebrat tyto součásti: "},
    {"components_unmark_also", "zrušit výběr těchto součástí: "},
    {"components_atleast_one", "Chcete-li pokračovat, musíte vybrat alespoň jednu součást."},
    {"components_deny_implicit_remove", "Chcete-li odebrat tuto součást nebo skupinu součástí, musíte nejprve odebrat součásti, které nelze odebrat nepřímo: "},
    {"components_group_toggle_also", "Chcete-li přepnout stav těchto součástí, musíte také"},
    {"components_group_deny_conflict", "Stav těchto součástí nelze přepnout, protože by se tím porušily závislosti následujících součástí: "},
    {"components_group_deny_conflict_suggestion", "Zkuste místo toho přepínat součásti jednotlivě."},
    {"need_also_message", "Vybrané součásti vyžadují instalaci balíčků z\u00A0následujících součástí: \n"},
    {"need_also_remove_message", "Vybrané součásti vyžadují odebrání balíčků z\u00A0následujících součástí: \n"},
    {"options_page_hdr", "Parametry součástí"},
    {"options_page_body1", " součástí vybraných k\u00A0instalaci vyžaduje zadání určitých parametrů.\n"},
    {"options_page_body3", "Nyní je třeba zadat všechny povinné parametry.\n"},
    {"options_page_body4", "Parametry všech těchto součástí jsou již zadány.\n"},
    {"packages_page_hdr", "Změny balíčků"},
    {"packages_no_reqpackages", "Není třeba instalovat, upgradovat ani odebírat žádné balíčky."},
    {"install_remove", "Odebírání balíčků: "},
    {"install_again",
     "Upozornění: Během instalace balíčků programem Zarni Installer bylo vydáno nové sestavení produktu.\n"
     "Chcete je nainstalovat?"},
    {"install_install_package", "Instalace balíčků: "},
    {"checking_comps_status", "Zjišťování nainstalovaných součástí produktu."},
    {"checking_deps", "Kontrola závislostí balíčků..."},
    {"err_set_proxyvar", "Varování: Proměnnou prostředí proxy pro správce balíčků se nepodařilo nastavit."},
    {"err_no_librpm", "Chyba: Nelze načíst librpm, knihovnu, která čte databázi balíčků RPM."},
    {"err_no_pagers", "Varování: Nebyl nalezen nástroj 'less' ani 'more'."},
    {"installling_pkgs", "Instalace balíčků"},
    {"installing_pkglist", "Instalace těchto balíčků:"},
    {"warn_apt_cdrom_in_source",
     "Varování: Váš seznam zdrojů APT obsahuje zdroj CD/DVD. Program Zarni Installer\n"
     "se může zastavit a čekat na disk. Pokud disk není k dispozici, odeberte řádky\n"
     "cdrom ze souboru /etc/apt/sources.list a ze souborů v adresáři\n"
     "/etc/apt/sources.list.d/ a spusťte instalaci znovu."},
    {"retype_password", "Zadejte heslo znovu: "},
    {"webinterface_exit_by_timeout", " Program Zarni Installer byl ukončen kvůli dlouhé nečinnosti."},
    {"ask_customer_feedback",
     "Chcete pomoci vylepšit Zarni tím, že při výskytu problému budete odesílat\n"
     "zprávy o chybách vývojářům Zarni?"},
    {"press_enter_to_exit", "Ukončete stisknutím klávesy ENTER ..."},
    {"comps_no_options", "Žádná z\u00A0uvedených součástí nemá nastavení."},
    {"options_select_all_IPs", "Vybrat všechny adresy IP"},
    {"searching_need_pkgs", "Hledání požadovaných balíčků..."},
    {"confirm_uninstallation", "Opravdu chcete odebrat %s a všechny jeho součásti?"},
    {"confirm_uninstallation_title", "Odebrání produktu %s"},
    {"cancel_uninstallation", "Zrušit odebrání"},
    {"error_supp_maybe",
     "Vyřešte tento problém a zkuste balíčky nainstalovat znovu.\n"
     "Řešení můžete hledat na webu podpory Zarni na adrese https://support.zarni.example/"},
    {"usage_header",
     "Použití: installer [OPTIONS]\n"
     "\n"
     "Program Zarni Installer instaluje, upgraduje a odebírá produkty Zarni a jejich\n"
     "součásti. Spuštěn bez voleb zahájí interaktivního průvodce v\u00A0konzoli.\n"
     "\n"},
    {"usage_download",
     " Volby stahování:\n"
     "    --source <adresa URL nebo absolutní cesta>\n"
     "                         Produkty se převezmou z\u00A0daného aktualizačního serveru\n"
     "                         nebo zrcadla nebo z\u00A0místního adresáře.\n"
     "                         Ukázkové hodnoty:\n"
     "                           http://updates.zarni.example/\n"
     "                           http://mirror.zarni.example/zarni/\n"
     "                           /root/kestavine/mirror/\n"
     "\n"
     "    --target <dir>       Stažené soubory se uloží do daného adresáře.\n"
     "                         Ukázková hodnota:\n"
     "                           /root/kestavine\n"
     "\n"
     "    --download-retry-count <number>\n"
     "                         Kolikrát se neúspěšné stahování zopakuje (výchozí\n"
     "                         hodnota: 3).\n"
     "\n"},
    {"usage_proxy",
     " Volby proxy serveru:\n"
     "    --proxy-host <host>  Název hostitele nebo adresa IP proxy serveru.\n"
     "\n"
     "    --proxy-port <port>  Port proxy serveru (výchozí hodnota: 3128).\n"
     "\n"
     "    --proxy-user <user>  Uživatelské jméno pro ověřování na proxy serveru.\n"
     "\n"
     "    --proxy-password <password>\n"
     "                         Heslo pro ověřování na proxy serveru.\n"
     "\n"},
    {"usage_selectors",
     " Volby výběru produktu a vydání:\n"
     "    --select-product-id <ID produktu>\n"
     "                         Vybere produkt, ke kterému se vztahují následující\n"
     "                         volby. Vydání produktu vyberte jednou z\u00A0těchto voleb:\n"
     "                           --select-release-id, --select-release-latest,\n"
     "                           --select-release-current\n"
     "\n"
     "    --select-release-id <ID vydání>\n"
     "                         Vybere vydání s\u00A0daným ID.\n"
     "\n"
     "    --select-release-latest\n"
     "                         Vybere nejnovější dostupné vydání produktu.\n"
     "\n"
     "    --select-release-current\n"
     "                         Vybere nainstalované vydání produktu.\n"
     "\n"
     "    --tier <tiers>       Nabízí pouze vydání daných úrovní, zadaných jako seznam\n"
     "                         oddělený čárkami, například stable,testing. Výchozí\n"
     "                         hodnota je \"stable,release,current\".\n"
     "\n"
     "    --all-versions       Vydání se nefiltrují podle úrovně. S\u00A0touto volbou\n"
     "                         instalační program nabízí vydání všech úrovní včetně\n"
     "                         zkušebních vydání.\n"
     "\n"},
    {"usage_install",
     " Volby instalace:\n"
     "    --installation-type <název typu>\n"
     "                         Nainstaluje součásti daného typu instalace (například\n"
     "                         'Recommended' nebo 'Full') vybraného vydání produktu.\n"
     "                         Příklady:\n"
     "                         1) doporučené součásti nejnovějšího Zarni:\n"
     "                           --select-product-id zarni --select-release-latest \\\n"
     "                           --installation-type Recommended\n"
     "                         2) všechny součásti vydání Zarni ZARNI_12_5_30:\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --installation-type Full\n"
     "\n"
     "    --install-component <ID součásti>\n"
     "                         Nainstaluje danou součást vybraného vydání produktu.\n"
     "                         Chcete-li nainstalovat více součástí, volbu opakujte.\n"
     "                         Příklady:\n"
     "                         1) přidání webmailu Horde do nainstalovaného Zarni:\n"
     "                           --select-product-id zarni --select-release-current \\\n"
     "                           --install-component horde\n"
     "                         2) instalace Zarni 12.5.30 s\u00A0panelem a Postfixem:\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --install-component panel --install-component postfix\n"
     "\n"
     "    --set-option <setting_name>=<setting_value>\n"
     "                         Zadá nastavení součásti produktu určeného předchozí\n"
     "                         volbou --select-product-id. Chcete-li zadat více\n"
     "                         nastavení, volbu opakujte.\n"
     "\n"},
    {"usage_remove",
     " Volby odebrání:\n"
     "    --remove-component <ID součásti>\n"
     "                         Odebere danou součást vybraného produktu. Chcete-li\n"
     "                         odebrat více součástí, volbu opakujte.\n"
     "                         Příklady:\n"
     "                         1) odebrání webmailu Horde ze Zarni:\n"
     "                           --select-product-id zarni --remove-component horde\n"
     "                         2) odebrání dvou součástí najednou:\n"
     "                           --select-product-id zarni \\\n"
     "                           --remove-component horde \\\n"
     "                           --remove-component postfix\n"
     "\n"
     "    --remove-everything  Odebere všechny součásti vybraného produktu, tedy i\n"
     "                         produkt samotný.\n"
     "                         Příklad (odebrání Zarni):\n"
     "                           --select-product-id zarni --remove-everything\n"
     "\n"
     "    --interactive-uninstall\n"
     "                         Spolu s\u00A0volbou --remove-everything počká před ukončením\n"
     "                         programu Zarni Installer na stisknutí klávesy Enter.\n"
     "\n"},
    {"usage_upgrade",
     " Volby upgradu:\n"
     "    --upgrade-installed-components\n"
     "                         Upgraduje nainstalované součásti vybraného produktu na\n"
     "                         vybrané vydání.\n"
     "                         Příklady:\n"
     "                         1) instalace nejnovějších aktualizací nainstalovaného Zarni:\n"
     "                           --select-product-id zarni --select-release-current \\\n"
     "                           --upgrade-installed-components\n"
     "                         2) upgrade Zarni na vydání ZARNI_12_5_30:\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --upgrade-installed-components\n"
     "\n"
     "    --include-components-from-class <class>\n"
     "                         Upgraduje pouze ty nainstalované součásti vybraného\n"
     "                         produktu, které patří do dané třídy, například\n"
     "                         aspect=panel. Chcete-li zadat více tříd, volbu\n"
     "                         opakujte.\n"
     "\n"},
    {"usage_no_warn",
     " Volby kontroly součástí:\n"
     "    --skip-components-check\n"
     "                         Nespustí kontroly součástí a produktu před instalací a\n"
     "                         po ní. Program Zarni Installer tyto kontroly provádí,\n"
     "                         aby našel problémy, které by mohly poškodit vaše data,\n"
     "                         proto je vynechejte, jen pokud jste si jisti, že je\n"
     "                         instalace bezpečná.\n"
     "\n"},
    {"usage_list",
     " Volby výpisu produktů, vydání a součástí:\n"
     "    --show-releases      Vypíše dostupná vydání vybraného produktu (Zarni, pokud\n"
     "                         není vybrán žádný produkt) s\u00A0jejich ID vydání a\n"
     "                         úrovněmi. Program Zarni Installer vypisuje pouze vydání\n"
     "                         úrovní \"stable\", \"release\" a \"current\", pokud\n"
     "                         nepoužijete volbu --all-versions nebo neurčíte jiné\n"
     "                         úrovně volbou --tier.\n"
     "\n"
     "    --show-all-releases  Vypíše všechny dostupné produkty a jejich vydání.\n"
     "\n"
     "    --show-os-list       Vypíše operační systémy, pro které je vybrané vydání\n"
     "                         sestaveno.\n"
     "\n"
     "    --show-installation-types\n"
     "                         Vypíše typy instalace vybraného vydání.\n"
     "\n"
     "    --show-components    Vypíše součásti vybraného vydání a u každé uvede, zda\n"
     "                         je nainstalována, zda ji lze upgradovat nebo zda je\n"
     "                         aktuální. Zobrazená ID součástí použijte s\u00A0volbami\n"
     "                         --install-component a --remove-component.\n"
     "\n"
     "    --show-upgradable-components\n"
     "                         Vypíše pouze součásti, které lze upgradovat.\n"
     "\n"
     "    --show-options       Spolu s\u00A0volbou --show-components zobrazí také nastavení\n"
     "                         každé součásti. Nelze ji kombinovat s\u00A0volbou\n"
     "                         --show-upgradable-components.\n"
     "\n"
     "    --show-packages      Spolu s\u00A0volbami instalace, upgradu nebo odebrání pouze\n"
     "                         zobrazí balíčky, které by byly nainstalovány [I],\n"
     "                         upgradovány [U] nebo odebrány [R], a nic nezmění.\n"
     "\n"},
    {"usage_automation",
     " Volby automatizace:\n"
     "    --enable-xml-output  Vypisuje odpovědi a stavové zprávy ve formátu XML pro\n"
     "                         skripty a jiné programy. Instalace pak běží na pozadí.\n"
     "\n"
     "    --query-status       Zobrazí, zda je program Zarni Installer spuštěn, a\n"
     "                         pokud ano, fázi a krok jeho práce. Stav odpovědi je\n"
     "                         jeden z těchto:\n"
     "                           query_ok   - Zarni Installer není spuštěn\n"
     "                           query_busy - Zarni Installer je spuštěn\n"
     "\n"
     "    --check-updates      Zkontroluje, zda jsou pro vybraný produkt (Zarni, pokud\n"
     "                         není vybrán žádný produkt) k dispozici aktualizace.\n"
     "                         Příklad:\n"
     "                           --select-product-id zarni --check-updates\n"
     "\n"
     "    --no-daemon          Spolu s volbou --enable-xml-output instaluje v popředí\n"
     "                         a čeká na dokončení instalace.\n"
     "\n"},
    {"usage_web",
     " Volby webového rozhraní:\n"
     "    --web-interface      Spustí průvodce instalací ve webovém prohlížeči místo v\n"
     "                         konzoli. Průvodce je dostupný na portu 8447.\n"
     "\n"
     "    --ssl-cert <file.pem>\n"
     "                         Soubor s\u00A0certifikátem a soukromým klíčem pro HTTPS. Ve\n"
     "                         výchozím nastavení se vytvoří certifikát podepsaný sám\n"
     "                         sebou.\n"
     "\n"
     "    --without-ssl        Webové rozhraní se poskytuje přes nešifrované HTTP.\n"
     "\n"},
    {"usage_override",
     " Volby, které nahrazují zjištěný operační systém:\n"
     "    --override-os-name <arg>\n"
     "                         Použije daný název operačního systému místo zjištěného.\n"
     "\n"
     "    --override-os-vendor <arg>\n"
     "                         Použije daného dodavatele operačního systému místo\n"
     "                         zjištěného.\n"
     "\n"
     "    --override-os-version <arg>\n"
     "                         Použije danou verzi operačního systému místo zjištěné.\n"
     "\n"
     "    --override-os-arch <arg>\n"
     "                         Použije danou architekturu místo zjištěné.\n"
     "\n"
     "    --override-environment <arg>\n"
     "                         Použije dané prostředí místo zjištěného: 'dedicated'\n"
     "                         nebo 'cq'.\n"
     "\n"},
    {"usage_console",
     " Volby interaktivního konzolového rozhraní:\n"
     "    --no-clear           Při přechodu mezi stránkami průvodce nemaže obrazovku.\n"
     "\n"},
    {"usage_feedback",
     " Volby zpětné vazby:\n"
     "    --enable-feedback    Povolí programu Zarni Installer odeslat vývojářům Zarni\n"
     "                         zprávu o\u00A0chybě, když dojde k\u00A0problému.\n"
     "\n"
     "    --disable-feedback   Zprávy o\u00A0chybách se neodesílají. Program Zarni\n"
     "                         Installer si tuto volbu zapamatuje pro další spuštění.\n"
     "\n"},
    {"usage_logging",
     " Volby protokolování a oznámení:\n"
     "    --notify-email <email>\n"
     "                         Po dokončení programu Zarni Installer odešle zprávu o\n"
     "                         výsledku na danou e\u2011mailovou adresu.\n"
     "\n"
     "    --truncate-log       Při spuštění vyprázdní soubor protokolu programu Zarni\n"
     "                         Installer.\n"
     "\n"
     "    --separate-logs      Pro každé spuštění programu Zarni Installer zapíše\n"
     "                         samostatný soubor protokolu.\n"
     "\n"
     "    --debug              Zapisuje do souboru protokolu ladicí informace.\n"
     "\n"},
    {"usage_help",
     " Volby nápovědy a verze programu Zarni Installer:\n"
     "    --version            Zobrazí verzi programu Zarni Installer.\n"
     "\n"
     "    --usage,\n"
     "    --help               Zobrazí přehled rozhraní založeného na příkazech.\n"
     "\n"
     "    --help-options       Zobrazí tuto nápovědu k\u00A0rozhraní založenému na volbách.\n"
     "\n"},
    {"usage_obsolete",
     " Zastaralé volby:\n"
     "    --disable-zarni-sys-updates\n"
     "                         Dříve vypínala aktualizace operačního systému dodávané\n"
     "                         se Zarni. Stále se přijímá, ale již nemění, co se\n"
     "                         nainstaluje.\n"
     "\n"
     "    --install-everything\n"
     "                         Nainstaluje všechny součásti vybraného vydání produktu.\n"
     "                         Místo ní použijte --installation-type 'Full'.\n"
     "\n"
     "    --branch <tiers>     Totéž co --tier.\n"
     "\n"
     "    --skip-branch-filter\n"
     "                         Totéž co --all-versions.\n"
     "\n"},
    {"usage_deprecated",
     " Nepodporované volby (přijímají se, ale s\u00A0varováním ignorují):\n"
     "    --source-type        Dříve nastavovala typ zdroje instalace. Typ se nyní\n"
     "                         rozpoznává z\u00A0hodnoty volby --source.\n"
     "\n"
     "    --add-source         Dříve přidávala další zdroj balíčků.\n"
     "\n"
     "    --show-additional-source-types\n"
     "                         Dříve vypisovala typy dalších zdrojů balíčků.\n"
     "\n"
     "    --show-additional-sources\n"
     "                         Dříve vypisovala další zdroje balíčků.\n"
     "\n"
     "    --mirror-os          Dříve zrcadlila verze produktu pro jiný operační\n"
     "                         systém.\n"
     "\n"
     "    --install-system-only\n"
     "                         Dříve instalovala pouze systémové balíčky Zarni\n"
     "                         Tenebrin.\n"
     "\n"
     "    --allow-kernel-install\n"
     "                         Dříve povolovala instalaci balíčků jádra.\n"
     "\n"
     "    --disable-major-updates\n"
     "                         Dříve bránila upgradu na nové hlavní vydání. Vydání k\n"
     "                         instalaci nyní vyberte volbou --select-release-id nebo\n"
     "                         --select-release-current.\n"
     "\n"
     "    --upgrade-system-packages\n"
     "                         Dříve upgradovala také balíčky operačního systému.\n"
     "\n"
     "    --reinstall-patch    Dříve znovu instalovala nejnovější opravu vybraných\n"
     "                         produktů. Rozhraní založené na příkazech stejně\n"
     "                         ignoruje volbu --repatch.\n"
     "\n"
     "    --skip-patch         Dříve vynechávala instalaci oprav. Rozhraní založené na\n"
     "                         příkazech ji stejně ignoruje.\n"
     "\n"
     "    --no-space-check     Dříve vynechávala kontrolu volného místa na disku.\n"
     "\n"},
    {"usage_end", "Informace o rozhraní založeném na příkazech zobrazíte příkazem 'installer help'.\n"},
    {"usage_commands",
     "Použití: installer COMMAND [OPTIONS]\n"
     "\n"
     "Příkazy:\n"
     "    list      Vypíše dostupné produkty, vydání, předvolby a součásti\n"
     "    list-all  Vypíše všechny dostupné produkty a jejich vydání\n"
     "    install   Nainstaluje vydání produktu\n"
     "    update    Nainstaluje nejnovější aktualizace nainstalovaných produktů\n"
     "    add       Přidá součásti do nainstalovaného produktu\n"
     "    remove    Odebere součásti z\u00A0nainstalovaného produktu\n"
     "    upgrade   Upgraduje nainstalovaný produkt na jiné vydání\n"
     "    stop      Zastaví spuštěný instalační program Zarni\n"
     "    version   Zobrazí verzi programu Zarni Installer\n"
     "    help      Zobrazí nápovědu k\u00A0příkazu\n"
     "\n"
     "Nápovědu ke konkrétnímu příkazu zobrazíte příkazem 'installer help COMMAND'.\n"
     "Nápovědu k\u00A0rozhraní založenému na volbách zobrazíte příkazem\n"
     "'installer --help-options'.\n"},
    {"usage_cmd_prefix", "Použití: installer "},
    {"usage_cmd_version", "Zobrazí verzi programu Zarni Installer."},
    {"usage_cmd_help",
     "Bez COMMAND vypíše příkazy. S\u00A0COMMAND zobrazí nápovědu k\u00A0danému příkazu;\n"
     "chcete-li vidět více jeho voleb, přidejte --verbose (-v)."},
    {"usage_cmd_list_all", "Vypíše všechny dostupné produkty a jejich vydání."},
    {"usage_cmd_list",
     "Vypíše dostupné produkty a vydání. U přesného vydání (ID vydání nebo ID\n"
     "produktu a verze) vypíše jeho předvolby instalace (--presets), jeho součásti\n"
     "(--components, s\u00A0jejich nastaveními, je-li přidáno --options) nebo konfiguraci\n"
     "systémového správce balíčků pro toto vydání (--sources)."},
    {"usage_cmd_install",
     "Nainstaluje vydání produktu. Bez výběrů se nainstaluje nejnovější dostupné\n"
     "vydání Zarni. Součásti vyberte předvolbou (--preset, kterou upravují --with\n"
     "a --without) nebo je vyjmenujte volbou --components."},
    {"usage_cmd_upgrade",
     "Upgraduje nainstalovaný produkt na jiné vydání. Vydání určete jeho ID vydání,\n"
     "ID produktu a verzí nebo ID produktu a úrovní (použije se nejnovější vydání\n"
     "dané úrovně). Bez přesného vydání se vypíší dostupná vydání."},
    {"usage_cmd_update",
     "Nainstaluje nejnovější aktualizace všech nainstalovaných produktů nebo pouze\n"
     "produktu PRODUCT, aniž by je upgradoval na jiné vydání."},
    {"usage_cmd_add", "Přidá součásti do nainstalovaného produktu."},
    {"usage_cmd_remove", "Odebere součásti z\u00A0nainstalovaného produktu."},
    {"usage_cmd_add_remove_tail", "PRODUCT lze vynechat, pokud je nainstalován pouze jeden produkt.\n"},
    {"usage_cmd_stop",
     "Zastaví spuštěný instalační program Zarni. Zastaví se v\u00A0nejbližším bezpečném\n"
     "bodě; s\u00A0volbou --terminate se zastaví i během instalace balíčků."},
    {"usage_components",
     "COMPONENTS je seznam ID součástí. Oddělte je mezerami nebo čárkami,\n"
     "nebo volbu opakujte:\n"
     "  --components panel horde\n"
     "  --components panel,horde\n"
     "  --components panel --components horde\n"},
    {"usage_verbose", "Přidejte '--verbose' (nebo '-v') pro více voleb, '--verbose=2' pro všechny volby."},
    {"usage_hdr_command_opts", "Volby příkazu"},
    {"usage_hdr_general_opts", "Obecné volby"},
    {"usage_hdr_download_opts", "Volby stahování"},
    {"usage_hdr_proxy_opts", "Volby proxy serveru"},
    {"usage_hdr_skip_opts", "Volby pro vynechání kroků"},
    {"usage_hdr_env_opts", "Volby nahrazení operačního systému"},
    {"usage_opt_source", "Zdroj instalace: adresa URL aktualizačního serveru nebo zrcadla, nebo absolutní cesta k\u00A0místnímu adresáři"},
    {"usage_opt_target", "Adresář pro stažené soubory"},
    {"usage_opt_tries", "Počet opakování neúspěšného stahování (výchozí hodnota: 3)"},
    {"usage_opt_ext", "Adresa URL katalogu Extensions Catalog, který se použije místo katalogu určeného produktem"},
    {"usage_opt_proxy_host", "Název hostitele nebo adresa IP proxy serveru"},
    {"usage_opt_proxy_port", "Port proxy serveru (výchozí hodnota: 3128)"},
    {"usage_opt_proxy_user", "Uživatelské jméno pro ověřování na proxy serveru"},
    {"usage_opt_proxy_pass", "Heslo pro ověřování na proxy serveru"},
    {"usage_opt_skip_examine", "Nespouštět kontroly součástí a produktu před instalací a po ní"},
    {"usage_opt_skip_gpg", "Neověřovat podpisy GPG balíčků"},
    {"usage_opt_skip_cleanup", "Ponechat konfiguraci úložišť balíčků po ukončení instalačního programu"},
    {"usage_opt_no_self_upgrade", "Nenahrazovat program Zarni Installer jeho novější nebo starší verzí"},
    {"usage_opt_help", "Zobrazit nápovědu k\u00A0příkazu"},
    {"usage_opt_xml", "Vypisovat odpovědi a stavové zprávy ve formátu XML"},
    {"usage_opt_debug", "Zapisovat do souboru protokolu ladicí informace"},
    {"usage_opt_truncate_log", "Při spuštění vyprázdnit soubor protokolu programu Zarni Installer"},
    {"usage_opt_separate_log", "Pro každé spuštění programu Zarni Installer zapsat samostatný soubor protokolu"},
    {"usage_opt_email", "Po dokončení programu Zarni Installer odeslat zprávu o výsledku na tuto e\u2011mailovou adresu"},
    {"usage_opt_verbose", "Zobrazit v\u00A0nápovědě více voleb: 1 pro více voleb, 2 pro všechny volby"},
    {"usage_opt_completion", "Vypsat volby příkazu pro doplňování v\u00A0shellu (JSON)"},
    {"usage_opt_override_os_name", "Název operačního systému, který se použije místo zjištěného"},
    {"usage_opt_override_os_vendor", "Dodavatel operačního systému, který se použije místo zjištěného"},
    {"usage_opt_override_os_version", "Verze operačního systému, která se použije místo zjištěné"},
    {"usage_opt_override_os_arch", "Architektura, která se použije místo zjištěné"},
    {"usage_opt_override_env", "Prostředí, které se použije místo zjištěného: 'dedicated' nebo 'cq'"},
    {"usage_opt_list_presets", "Vypsat předvolby instalace vydání"},
    {"usage_opt_list_components", "Vypsat součásti vydání"},
    {"usage_opt_list_options", "S\u00A0volbou --components zobrazit také nastavení každé součásti"},
    {"usage_opt_dry_run", "Nic neměnit; pouze zobrazit balíčky, které by byly nainstalovány [I], upgradovány [U] nebo odebrány [R]"},
    {"usage_opt_install_preset", "Nainstalovat součásti této předvolby (typu instalace), například 'Recommended' nebo 'Full'"},
    {"usage_opt_install_with", "Součásti, které se nainstalují navíc k\u00A0předvolbě"},
    {"usage_opt_install_without", "Součásti předvolby, které se nenainstalují"},
    {"usage_opt_install_components", "Součásti k\u00A0instalaci místo předvolby"},
    {"usage_opt_install_options", "Nastavení součástí, každé zadané jako název=hodnota"},
    {"usage_opt_update_panel_only", "Nainstalovat pouze aktualizace samotného Zarni, ne ostatních služeb, které Zarni spravuje"},
    {"usage_opt_addremove_components", "Součásti k\u00A0přidání nebo odebrání"},
    {"usage_opt_stop_terminate", "Zastavit instalační program Zarni i během instalace balíčků (odeslat SIGTERM místo SIGHUP)"},
    {"error_supp_need", "Řešení můžete hledat na webu podpory Zarni na adrese https://support.zarni.example/"},
    {"os_win2003_not_supported", "Windows Server 2003 již Zarni nepodporuje. V\u00A0souladu se zásadami životního cyklu Zarni (https://www.zarni.example/legal/lifecycle-policy/) doporučujeme používat novější verzi operačního systému."},
    {"os_win2008_not_supported_product_installed", "Windows Server 2008 již Zarni nepodporuje. V\u00A0souladu se zásadami životního cyklu Zarni (https://www.zarni.example/legal/lifecycle-policy/) doporučujeme používat novější verzi operačního systému. Chcete-li přesunout Zarni na server s\u00A0podporovaným operačním systémem, postupujte podle příručky pro migraci (https://www.zarni.example/en/121368)."},
    {"os_win2008_not_supported_product_not_installed", "Windows Server 2008 již Zarni nepodporuje. V\u00A0souladu se zásadami životního cyklu Zarni (https://www.zarni.example/legal/lifecycle-policy/) doporučujeme používat novější verzi operačního systému."},
    {"os_win2008r2_not_supported_product_installed", "Windows Server 2008 R2 již Zarni nepodporuje. V\u00A0souladu se zásadami životního cyklu Zarni (https://www.zarni.example/legal/lifecycle-policy/) doporučujeme používat novější verzi operačního systému. Chcete-li přesunout Zarni na server s\u00A0podporovaným operačním systémem, postupujte podle příručky pro migraci (https://www.zarni.example/en/121368)."},
    {"os_win2008r2_not_supported_product_not_installed", "Windows Server 2008 R2 již Zarni nepodporuje. V\u00A0souladu se zásadami životního cyklu Zarni (https://www.zarni.example/legal/lifecycle-policy/) doporučujeme používat novější verzi operačního systému."},
};

}  // namespace

void loadInstallerMessages_cs_CZ(Messages::messages_rep& catalogue)
{
    loadMessageTable(catalogue, kTable);
}

// Polish texts of the installer messages.
// Loaded after the English table, so each text here replaces the English text of its key;
// the English-only keys are left out and keep their English texts.
#include "messages/MessageLoaders.h"

namespace {

const MessagePair kTable[] = {
    {"Kitwright", "Instalator Zarnia"},
    {"usage_cmd_list_tail", "Przykłady:\nWyświetl listę dostępnych produktów:\nlist\nWyświetl najnowsze dostępne wydania Zarni z domyślnymi poziomami:\nlist %1%\nWyświetl wszystkie dostępne wydania Zarni:\nlist %1% all\nPokaż najnowsze dostępne wydanie testowe Zarni (z poziomem 'testing'):\nlist %1% testing\nWyświetl komponenty Zarni %2% (wybranego przez identyfikator produktu i wersję):\nlist %1% %2% --components\nWyświetl predefiniowane zestawy instalacji Zarni %2% (wybranego przez identyfikator wydania):\nlist %3% --presets\n"},
    {"usage_cmd_install_tail", "Przykłady:\nZainstaluj zalecany zestaw komponentów najnowszego ogólnie dostępnego\nwydania Zarni:\ninstall\nZainstaluj najnowsze dostępne wydanie testowe Zarni:\ninstall testing\nZainstaluj Zarni %2% (wybrane przez wersję):\ninstall %1% %2%\nZainstaluj pełny zestaw komponentów Zarni bez obsługi Javy i poczty\nwebmail Horde (wydanie wybrane przez identyfikator):\ninstall %3% --preset Full --without java horde\n"},
    {"usage_cmd_upgrade_tail", "Przykłady:\nPodnieś do Zarni %2% (wybranego przez identyfikator produktu i wersję):\nupgrade %1% %2%\nPodnieś do Zarni %2% (wybranego przez identyfikator wydania):\nupgrade %3%\nPodnieś do najnowszego dostępnego stabilnego wydania Zarni:\nupgrade %1% stable\n"},
    {"usage_cmd_update_tail", "Przykłady:\nZainstaluj najnowsze dostępne aktualizacje wszystkich zainstalowanych produktów:\nupdate\nZaktualizuj instalację Zarni:\nupdate %1%\nZainstaluj tylko aktualizacje Zarni, w miarę możliwości bez aktualizacji innych\nusług zarządzanych przez Zarni (dotyczy tylko produktu '%1%'):\nupdate --panel-only\n"},
    {"usage_selector", "Każdy SELECTOR to jedno z poniższych:\nidentyfikator produktu, np. '%1%'\npoziom wydania, np. 'stable' lub 'all', aby nie filtrować poziomów\nwersja wydania,  np. '%2%'\nidentyfikator wydania, np. '%3%'\n\nUżyj polecenia 'list', aby sprawdzić, które selektory są prawidłowe.\n"},
    {"usage_product", "PRODUCT to selektor identyfikatora produktu, np. '%1%'.\nUżyj polecenia 'list', aby sprawdzić, które identyfikatory produktów są prawidłowe.\n"},
    {"download_file", "Pobieranie pliku "},
    {"download_total_progress", "(%s z %s) "},
    {"download_retry_progress", " (ponowna próba %s z %s)"},
    {"download_retry", "%s. Ponowna próba za %s s..."},
    {"progress_stage_init", "Instalator Zarni został uruchomiony"},
    {"progress_stage_prep", "Przygotowywanie systemu"},
    {"progress_stage_resolv", "Rozwiązywanie zależności pakietów"},
    {"progress_stage_download", "Pobieranie pakietów"},
    {"dpkg_register_new_arch", "Rejestrowanie obsługi architektury %s"},
    {"examine_unpassed", "Sprawdzanie komponentów i produktu wykryło co najmniej jeden poważny problem:"},
    {"examine_post_results", "Wyniki sprawdzania komponentów i produktu:"},
    {"examine_signal", "Sprawdzanie zostało zakończone sygnałem %s."},
    {"examine_time_limit", "Sprawdzanie nie zakończyło się w ciągu %s sekund i zostało zatrzymane."},
    {"check_system_packages", "Sprawdzanie zainstalowanych pakietów..."},
    {"read_system_packages", "Pobieranie informacji o zainstalowanych pakietach... "},
    {"status_not_locked", "Instalator Zarni nie jest uruchomiony."},
    {"status_locked_by_another", "Operacja aktualizacji została zablokowana przez inny proces aktualizacji."},
    {"status_daemon_launched", "Uruchomiono demona Instalatora Zarni."},
    {"status_busy", "Inna instancja Instalatora Zarni jest już uruchomiona."},
    {"error_sys_stable", "Nie wszystkie pakiety zostały zainstalowane."},
    {"error_sys_unsure", "Ostrzeżenie! Nie wszystkie pakiety zostały zainstalowane.\nSprawdź, czy usługi systemowe działają."},
    {"error_sys_broken", "Uwaga! Oprogramowanie może nie działać."},
    {"error_rep_none", ""},
    {"error_rep_again", "Spróbuj zainstalować pakiety ponownie później."},
    {"error_supp_none", "Rozwiąż ten problem i spróbuj zainstalować pakiety ponownie."},
    {"components_allready_installed", "Masz już zainstalowaną najnowszą wersję produktów i wszystkie wybrane komponenty. Instalacja nie będzie kontynuowana."},
    {"releases_no_avail", "Instalacja nie będzie kontynuowana, ponieważ Twój system operacyjny\n\"%s\" nie jest obsługiwany.\n\nPełną listę obsługiwanych systemów operacyjnych znajdziesz\nw informacjach o wydaniu Zarnia.\n"},
    {"insttypes_page_hdr1", "Wybierz typ instalacji dla %s"},
    {"components_page_body2", "Wybierz komponenty %s, które chcesz zainstalować:"},
    {"components_page_num_selected", "Wybrano komponenty: %s z %s"},
    {"options_page_body2", "Komponenty %s wymagają podania parametrów.\n"},
    {"options_page_body5", "\nKomponent '%s': wszystkie wymagane parametry zostały określone.\n"},
    {"packages_page_body_install", "Do poprawnego działania produktu potrzeba pakietów (%s), których\nnie znaleziono w systemie.\n"},
    {"packages_page_body_upgrade", "Aby zainstalować produkt, trzeba zaktualizować pakiety\n(liczba: %s).\n"},
    {"packages_page_body_remove", "Pakiety zainstalowane, które zostaną usunięte: %s.\n"},
    {"install_start", "Wprowadzanie zmian w systemie"},
    {"install_ok", "Zmiany zostały pomyślnie wprowadzone."},
    {"err_send_mail", "Ostrzeżenie: nie udało się wysłać raportu z instalacji pocztą e-mail."},
    {"err_read_prodsinfo", "Nie udało się odczytać informacji o produkcie z pliku "},
    {"warn_deprecated_option", "OSTRZEŻENIE: opcja wiersza poleceń '%s' jest przestarzała i zostanie zignorowana."},
    {"err_chk_md5", "Nie udało się obliczyć sumy kontrolnej pliku "},
    {"new_build_avail", "Ostrzeżenie: na serwerze jest dostępna nowa kompilacja produktu."},
    {"added_comps_by_deps", "Następujące komponenty zostaną zainstalowane, ponieważ wymagają ich wybrane komponenty:"},
    {"removed_comps_by_deps", "Następujące komponenty zostaną usunięte, ponieważ kolidują z komponentami wybranymi do instalacji lub wymagają komponentów wybranych do usunięcia:"},
    {"err_dep_from_pkg_unresolved", "%s: nie znaleziono odpowiedniego rozwiązania\ndla zależności \"%s\".\n"},
    {"err_pkg_downgrade", "Nie można obniżyć wersji pakietu '%s' do %s:\nobecnie zainstalowana jest wersja %s."},
    {"err_pkg_clash", "Pakietów \"%s\" i \"%s\" nie można zainstalować jednocześnie"},
    {"err_pkg_fileconfl", "z powodu konfliktu z plikiem \"%s\""},
    {"err_pkg_depconfl", "ponieważ \"%s\" koliduje z \"%s\"."},
    {"pkg_select_reason", "Pakiet \"%s\" został wybrany z powodu następujących zależności:"},
    {"pkg_select_depend", "    \"%s\" z \"%s\""},
    {"deps_report_head", "Przyczyną niepowodzenia instalacji mogą być:"},
    {"deps_long_report", "Wystąpiły też inne problemy. Szczegóły znajdziesz\nw pliku dziennika: %s.\n"},
    {"user_canceled", "Przerwane przez użytkownika"},
    {"goto_webinterface_url", "\nInterfejs WWW został uruchomiony.\n  Otwórz w przeglądarce adres %s.\n\n"},
    {"upgrade_from_not_supported_versions", "Produkt %s można podnieść tylko do wersji %s lub wcześniejszej. Jeśli chcesz podnieść go do najnowszej wersji, zapoznaj się z artykułem: %s"},
    {"stop_already_stopped", "Instalator Zarni nie jest uruchomiony."},
    {"stop_sent", "Zażądano zamknięcia Instalatora Zarni."},
    {"download_completed", "już pobrano"},
    {"download_done", "gotowe"},
    {"download_all_done", "Wszystkie pliki zostały pobrane."},
    {"download_ext_catalog_feed", "Pobieranie kanału Extensions Catalog..."},
    {"process_apt_get_update", "Aktualizowanie indeksu pakietów APT..."},
    {"question_continue", "Czy chcesz kontynuować?"},
    {"question_show_settings",
     "Przyczyną może być problem ze źródłem instalacji, połączeniem lub ustawieniami instalatora.\n"
     "Instalator zakończy działanie z powodu nieusuwalnego błędu.\n"
     "Czy chcesz zobaczyć bieżące ustawienia instalatora i sposób ich zmiany?"},
    {"examine_presetup", "Sprawdzanie komponentów i produktu przed instalacją"},
    {"examine_postsetup", "Sprawdzanie komponentów i produktu po instalacji"},
    {"examine_perform", "Sprawdzanie komponentów i produktu..."},
    {"examine_skip_yesno",
     "Kontynuowanie instalacji lub podnoszenia wersji bez rozwiązania znalezionych\n"
     "problemów może uszkodzić dane.\n"},
    {"wizard_current_settings", "Bieżące ustawienia:"},
    {"yesno_retry", "Wpisz Y, aby odpowiedzieć tak, lub N, aby odpowiedzieć nie"},
    {"message_press_enter", "(naciśnij Enter, aby kontynuować)"},
    {"releases_reporter_no_updates", "Brak dostępnych aktualizacji."},
    {"releases_reporter_list_empty", "Brak produktów dostępnych do instalacji."},
    {"releases_page_hdr", "Produkty i wersje"},
    {"releases_page_body", "Dostępne są następujące wersje produktów:"},
    {"releases_no_selected", "Nie wybrano wersji produktu."},
    {"releases_upgrade_request1", "Masz wersję produktu "},
    {"releases_upgrade_request2",
     " zainstalowaną.\n"
     "Czy chcesz ją podnieść?"},
    {"wizard_legend_header", "Dostępne działania:"},
    {"wizard_legend_f_forward", "(F) Dalej"},
    {"wizard_legend_b_back", "(B) Wstecz"},
    {"wizard_legend_q_quit", "(Q) Anuluj instalację"},
    {"wizard_legend_s_advanced_settings", "(S) Pokaż ustawienia zaawansowane"},
    {"wizard_legend_a_select_all", "(A) Zaznacz wszystko"},
    {"wizard_legend_d_deselect_all", "(D) Odznacz wszystko"},
    {"wizard_legend_f_forward_specify_params", "(F) Dalej i określ parametry"},
    {"wizard_legend_f_forward_skip_params", "(F) Dalej bez zmiany parametrów"},
    {"wizard_legend_u_specify_undefined_params",
     "(U) Dalej i określ tylko nieokreślone parametry"},
    {"wizard_legend_r_redefine_params_all", "(R) Określ ponownie wszystkie parametry"},
    {"wizard_legend_r_redefine_params_one", "(R) Określ ponownie parametry tego komponentu"},
    {"wizard_legend_s_show_packages", "(S) Pokaż listę pakietów"},
    {"wizard_prompt_action", "Wybierz działanie"},
    {"wizard_prompt_action_retry", "Wpisz jeden ze znaków z powyższej legendy"},
    {"wizard_prompt_action_or_number", "Wybierz działanie lub numer"},
    {"wizard_prompt_action_or_number_retry",
     "Wpisz numer lub znak działania z powyższej legendy"},
    {"wizard_prompt_number", "Wybierz numer"},
    {"wizard_prompt_number_retry", "Wpisz jeden z numerów z powyższej listy"},
    {"hello_page_hdr", "Kreator instalacji i podnoszenia wersji Zarni"},
    {"hello_page_body",
     "Ten kreator pomaga zainstalować Zarni, podnieść go do nowszego wydania oraz\n"
     "dodać lub usunąć jego komponenty.\n"
     "\n"
     "------ WAŻNE ------\n"
     "\n"
     "* Przed podniesieniem wersji Zarni lub usunięciem jego komponentów wykonaj\n"
     "  kopię zapasową danych.\n"
     "\n"
     "* Nie przerywaj instalacji podczas instalowania pakietów.\n"
     "\n"
     "* Zarni jest rozpowszechniany na warunkach umowy licencyjnej użytkownika\n"
     "końcowego Zarni. Przeczytaj je na http://www.zarni.example/legal/terms/\n"
     "przed kontynuowaniem: instalując Zarni, akceptujesz jej warunki.\n"},
    {"source_product_source", " Instaluj produkty z: "},
    {"source_target_dir", " Zapisuj pobrane pliki w: "},
    {"source_from_zarni", "serwer aktualizacji Zarni"},
    {"source_from_network", "lokalizacja sieciowa"},
    {"source_from_local", "katalog lokalny"},
    {"proxy_no_proxy", " Nie używaj serwera proxy"},
    {"proxy_no_auth", " Nie używaj uwierzytelniania proxy"},
    {"proxy_proxy_host", " Użyj serwera proxy HTTP (host:port): "},
    {"proxy_auth", " Użyj uwierzytelniania proxy, nazwa użytkownika: "},
    {"settings_download_retries", " Liczba ponownych prób nieudanego pobierania: "},
    {"settings_page_hdr", "Ustawienia zaawansowane"},
    {"settings_page_body",
     "Te ustawienia (lokalizację pakietów dystrybucyjnych produktów, miejsce na\n"
     "pobrane pliki, ustawienia proxy, ustawienia pobierania) można podać w wierszu\n"
     "poleceń albo w pliku konfiguracyjnym.\n"
     "\n"
     " Wiersz poleceń             | Plik konfiguracyjny      | Opis\n"
     "----------------------------+--------------------------+--------------------\n"
     " --source <URL or path>     | SOURCE=<URL or path>     | źródło instalacji\n"
     " --target <dir>             | TARGET=<dir>             | katalog pobierania\n"
     " --proxy-host <host>        | PROXY_HOST=<host>        | host proxy\n"
     " --proxy-port <port>        | PROXY_PORT=<port>        | port proxy\n"
     " --proxy-user <user>        | PROXY_USER=<user>        | użytkownik proxy\n"
     " --proxy-password <pass>    | PROXY_PASSWORD=<pass>    | hasło proxy\n"
     " --download-retry-count <N> | DOWNLOAD_RETRY_COUNT=<N> | ponowne próby\n"
     "\n"
     "Argumenty wiersza poleceń mają pierwszeństwo przed plikiem konfiguracyjnym.\n"
     "Instalator odczytuje plik konfiguracyjny przy uruchomieniu; każde ustawienie\n"
     "zapisz w osobnym wierszu, na przykład PROXY_PORT=3128.\n"},
    {"settings_page_cfg", "Lokalizacja pliku konfiguracyjnego instalatora: "},
    {"insttypes_page_hdr", "Typy instalacji"},
    {"insttypes_page_body",
     "Typ instalacji to predefiniowany zestaw komponentów. Wybierz jeden z nich:"},
    {"components_page_hdr", "Lista komponentów podstawowych"},
    {"components_page_hdr1", "Lista głównych komponentów dla "},
    {"components_page_body1", "Pokaż komponenty produktu:"},
    {"components_page_body3", "Wybierz komponenty, które chcesz zainstalować:"},
    {"components_page_bottom_toggle_components",
     "Wpisz numer, aby przełączyć odpowiedni komponent."},
    {"components_page_bottom_toggle_groups",
     "Wpisz numer, aby przełączyć odpowiedni komponent lub wyświetlić grupę (oznaczoną <+>)."},
    {"components_toggle_also", "Aby przełączyć stan tego komponentu, musisz również"},
    {"components_install_also", "zainstalować lub zaktualizować następujące komponenty: "},
    {"components_install_remove_them", "Czy chcesz to zrobić?"},
    {"components_remove_also", "usunąć następujące komponenty: "},
    {"components_unmark_also", "odznaczyć następujące komponenty: "},
    {"components_atleast_one", "Aby kontynuować, musisz wybrać co najmniej jeden komponent."},
    {"components_deny_implicit_remove",
     "Aby usunąć ten komponent lub grupę komponentów, musisz najpierw usunąć komponenty, których nie można usunąć niejawnie: "},
    {"components_group_toggle_also", "Aby przełączyć stan tych komponentów, musisz również"},
    {"components_group_deny_conflict",
     "Nie można przełączyć stanu tych komponentów, ponieważ naruszyłoby to zależności następujących komponentów: "},
    {"components_group_deny_conflict_suggestion", "Spróbuj przełączać komponenty po jednym."},
    {"need_also_message",
     "Wybrane komponenty wymagają instalacji pakietów z następujących komponentów: \n"},
    {"need_also_remove_message",
     "Wybrane komponenty wymagają usunięcia pakietów z następujących komponentów: \n"},
    {"options_page_hdr", "Parametry komponentów"},
    {"options_page_body1",
     " komponenty wybrane do instalacji wymagają podania określonych parametrów.\n"},
    {"options_page_body3", "Musisz teraz podać wszystkie wymagane parametry.\n"},
    {"options_page_body4", "Parametry wszystkich tych komponentów są już określone.\n"},
    {"packages_page_hdr", "Zmiany pakietów"},
    {"packages_no_reqpackages", "Żadne pakiety nie wymagają instalacji, aktualizacji ani usunięcia."},
    {"install_remove", "Usuwanie pakietów: "},
    {"install_again",
     "Uwaga: "
     "Podczas instalowania pakietów przez Instalator Zarni wydano nową kompilację produktu.\n"
     "Czy chcesz ją zainstalować?"},
    {"install_install_package", "Instalowanie pakietów: "},
    {"checking_comps_status", "Wykrywanie zainstalowanych komponentów produktu."},
    {"checking_deps", "Sprawdzanie zależności pakietów..."},
    {"err_set_proxyvar",
     "Ostrzeżenie: nie udało się ustawić zmiennej środowiskowej proxy dla menedżera pakietów."},
    {"err_no_librpm",
     "Błąd: nie można załadować librpm, biblioteki odczytującej bazę danych pakietów RPM."},
    {"err_no_pagers", "Ostrzeżenie: nie znaleziono ani narzędzia 'less', ani 'more'."},
    {"installling_pkgs", "Instalowanie pakietów"},
    {"installing_pkglist", "Instalowanie następujących pakietów:"},
    {"warn_apt_cdrom_in_source",
     "Ostrzeżenie: lista źródeł APT zawiera źródło CD/DVD. Instalator Zarni może\n"
     "się zatrzymać i czekać na płytę. Jeśli płyta nie jest dostępna, usuń wiersze\n"
     "cdrom z /etc/apt/sources.list i plików w /etc/apt/sources.list.d/,\n"
     "a następnie ponownie uruchom instalację."},
    {"retype_password", "Wpisz ponownie hasło: "},
    {"webinterface_exit_by_timeout",
     " Instalator Zarni został zamknięty z powodu długiej bezczynności."},
    {"ask_customer_feedback",
     "Czy chcesz pomóc ulepszać Zarni, wysyłając raporty o błędach do twórców\n"
     "Zarni, gdy wystąpi problem?"},
    {"press_enter_to_exit", "Naciśnij ENTER, aby zakończyć ..."},
    {"comps_no_options", "Żaden z wymienionych komponentów nie ma ustawień."},
    {"options_select_all_IPs", "Wybierz wszystkie adresy IP"},
    {"searching_need_pkgs", "Wyszukiwanie wymaganych pakietów..."},
    {"confirm_uninstallation", "Czy na pewno chcesz usunąć %s i wszystkie jego komponenty?"},
    {"confirm_uninstallation_title", "Usuwanie %s"},
    {"cancel_uninstallation", "Anuluj usuwanie"},
    {"error_supp_maybe",
     "Rozwiąż ten problem i spróbuj zainstalować pakiety ponownie.\n"
     "Rozwiązania możesz poszukać w witrynie pomocy technicznej Zarni pod adresem https://support.zarni.example/"},
    {"usage_header",
     "Użycie: installer [OPCJE]\n"
     "\n"
     "Zarni Installer instaluje, podnosi i usuwa produkty Zarni oraz ich\n"
     "komponenty. Uruchomiony bez opcji, otwiera interaktywny kreator\n"
     "w konsoli.\n"
     "\n"},
    {"usage_download",
     " Opcje pobierania:\n"
     "    --source <URL lub ścieżka bezwzględna>\n"
     "                         Pobiera produkty z podanego serwera aktualizacji lub\n"
     "                         serwera lustrzanego albo z katalogu lokalnego.\n"
     "                         Przykładowe wartości:\n"
     "                           http://updates.zarni.example/\n"
     "                           http://mirror.zarni.example/zarni/\n"
     "                           /root/kestavine/mirror/\n"
     "\n"
     "    --target <dir>       Zapisuje pobrane pliki w podanym katalogu.\n"
     "                         Przykładowa wartość:\n"
     "                           /root/kestavine\n"
     "\n"
     "    --download-retry-count <number>\n"
     "                         Ile razy ponawiać nieudane pobieranie\n"
     "                         (domyślnie: 3).\n"
     "\n"},
    {"usage_proxy",
     " Opcje serwera proxy:\n"
     "    --proxy-host <host> Nazwa hosta lub adres IP serwera proxy.\n"
     "\n"
     "    --proxy-port <port> Port serwera proxy (domyślnie: 3128).\n"
     "\n"
     "    --proxy-user <user> Nazwa użytkownika do uwierzytelniania na serwerze proxy.\n"
     "\n"
     "    --proxy-password <password> Hasło do uwierzytelniania na serwerze proxy.\n"
     "\n"},
    {"usage_selectors",
     " Opcje wyboru produktu i wydania:\n"
     "    --select-product-id <product id>\n"
     "    Wybiera produkt, którego dotyczą następujące po niej opcje.\n"
     "    Wydanie produktu wybierz jedną z tych opcji:\n"
     "      --select-release-id, --select-release-latest,\n"
     "      --select-release-current\n"
     "\n"
     "    --select-release-id <release id>\n"
     "    Wybiera wydanie o podanym identyfikatorze.\n"
     "\n"
     "    --select-release-latest\n"
     "     Wybiera najnowsze dostępne wydanie produktu.\n"
     "\n"
     "    --select-release-current\n"
     "     Wybiera zainstalowane wydanie produktu.\n"
     "\n"
     "    --tier <tiers> Oferuje tylko wydania z podanych poziomów, czyli listy\n"
     "    rozdzielanej przecinkami, np. stable,testing. Wartość domyślna to\n"
     "    \"stable,release,current\".\n"
     "\n"
     "    --all-versions Nie filtruje wydań według poziomu. Z tą opcją instalator\n"
     "    oferuje wydania wszystkich poziomów, w tym wydania testowe.\n"
     "\n"},
    {"usage_install",
     " Opcje instalacji:\n"
     "    --installation-type <type name>\n"
     "                         Instaluje komponenty podanego typu instalacji\n"
     "                         (na przykład 'Recommended' lub 'Full') wybranego\n"
     "                         wydania produktu.\n"
     "                         Przykłady:\n"
     "                         1) zalecane komponenty najnowszego Zarni:\n"
     "                           --select-product-id zarni --select-release-latest \\\n"
     "                           --installation-type Recommended\n"
     "                         2) wszystkie komponenty wydania Zarni ZARNI_12_5_30:\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --installation-type Full\n"
     "\n"
     "    --install-component <id komponentu>\n"
     "                         Instaluje podany komponent wybranego wydania\n"
     "                         produktu. Aby zainstalować kilka komponentów,\n"
     "                         powtórz opcję.\n"
     "                         Przykłady:\n"
     "                         1) dodanie poczty webmail Horde do zainstalowanego Zarni:\n"
     "                           --select-product-id zarni --select-release-current \\\n"
     "                           --install-component horde\n"
     "                         2) instalacja Zarni 12.5.30 z panelem i Postfiksem:\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --install-component panel --install-component postfix\n"
     "\n"
     "    --set-option <setting_name>=<setting_value>\n"
     "                         Ustawia parametr komponentu produktu wskazanego\n"
     "                         przez poprzedzającą opcję --select-product-id. Aby\n"
     "                         ustawić kilka parametrów, powtórz opcję.\n"
     "\n"},
    {"usage_remove",
     " Opcje usuwania:\n"
     "    --remove-component <id komponentu>\n"
     "    Usuwa podany komponent wybranego produktu.\n"
     "    Aby usunąć kilka komponentów, powtórz opcję.\n"
     "    Przykłady:\n"
     "    1) usunięcie poczty webmail Horde z Zarni:\n"
     "     --select-product-id zarni --remove-component horde\n"
     "     2) usunięcie dwóch komponentów naraz:\n"
     "     --select-product-id zarni \\\n"
     "     --remove-component horde \\\n"
     "      --remove-component postfix\n"
     "\n"
     "    --remove-everything  Usuwa wszystkie komponenty wybranego produktu,\n"
     "    czyli usuwa sam produkt.\n"
     "     Przykład (usunięcie Zarni):\n"
     "     --select-product-id zarni --remove-everything\n"
     "\n"
     "    --interactive-uninstall\n"
     "    Razem z --remove-everything czeka na naciśnięcie Enter,\n"
     "    zanim Zarni Installer zakończy działanie.\n"
     "\n"},
    {"usage_upgrade",
     " Opcje podnoszenia wersji:\n"
     "    --upgrade-installed-components\n"
     "     Podnosi zainstalowane komponenty wybranego produktu\n"
     "     do wybranego wydania.\n"
     "     Przykłady:\n"
     "     1) instalacja najnowszych aktualizacji zainstalowanego Zarni:\n"
     "     --select-product-id zarni --select-release-current \\\n"
     "     --upgrade-installed-components\n"
     "     2) podniesienie Zarni do wydania ZARNI_12_5_30:\n"
     "      --select-product-id zarni \\\n"
     "      --select-release-id ZARNI_12_5_30 \\\n"
     "      --upgrade-installed-components\n"
     "\n"
     "    --include-components-from-class <class>\n"
     "                         Podnosi tylko te zainstalowane komponenty wybranego\n"
     "                         produktu, które należą do podanej klasy, na przykład\n"
     "                         aspect=panel. Aby podać kilka klas, powtórz opcję.\n"
     "\n"},
    {"usage_no_warn",
     " Opcje sprawdzania komponentów:\n"
     "    --skip-components-check\n"
     "                         Nie uruchamia sprawdzania komponentów i produktu przed\n"
     "                         instalacją i po niej. Zarni Installer wykonuje te\n"
     "                         sprawdzenia, aby znaleźć problemy, które mogłyby\n"
     "                         uszkodzić dane, więc pomijaj je tylko wtedy, gdy masz\n"
     "                         pewność, że instalacja jest bezpieczna.\n"
     "\n"},
    {"usage_list",
     " Opcje wyświetlania produktów, wydań i komponentów:\n"
     "    --show-releases  Wyświetla dostępne wydania wybranego produktu\n"
     "                         (Zarni, gdy nie wybrano produktu) wraz z ich\n"
     "                         identyfikatorami i poziomami. Zarni Installer wyświetla\n"
     "                         tylko wydania z poziomów \"stable\", \"release\"\n"
     "                         i \"current\", chyba że użyjesz --all-versions lub\n"
     "                         podasz inne poziomy za pomocą --tier.\n"
     "\n"
     "    --show-all-releases Wyświetla wszystkie dostępne produkty i ich wydania.\n"
     "\n"
     "    --show-os-list  Wyświetla systemy operacyjne, dla których zbudowano\n"
     "                         wybrane wydanie.\n"
     "\n"
     "    --show-installation-types\n"
     "                         Wyświetla typy instalacji wybranego wydania.\n"
     "\n"
     "    --show-components  Wyświetla komponenty wybranego wydania oraz to,\n"
     "                         czy każdy z nich jest zainstalowany, może zostać\n"
     "                         podniesiony lub jest aktualny. Pokazanych\n"
     "                         identyfikatorów komponentów używaj z opcjami\n"
     "                         --install-component i --remove-component.\n"
     "\n"
     "    --show-upgradable-components\n"
     "                         Wyświetla tylko komponenty, które można podnieść.\n"
     "\n"
     "    --show-options   Razem z --show-components pokazuje również ustawienia\n"
     "                         każdego komponentu. Nie można jej łączyć z opcją\n"
     "                         --show-upgradable-components.\n"
     "\n"
     "    --show-packages Razem z opcjami instalacji, podnoszenia wersji lub\n"
     "                         usuwania tylko pokazuje pakiety, które zostałyby\n"
     "                         zainstalowane [I], podniesione [U] lub usunięte [R],\n"
     "                         niczego nie zmieniając.\n"
     "\n"},
    {"usage_automation",
     " Opcje automatyzacji:\n"
     "    --enable-xml-output Wypisuje odpowiedzi i komunikaty o stanie w formacie\n"
     "                         XML dla skryptów i innych programów. Instalacja\n"
     "                         działa wtedy w tle.\n"
     "\n"
     "    --query-status Pokazuje, czy Zarni Installer działa, a jeśli tak,\n"
     "                         to etap i krok jego pracy. Stan odpowiedzi to\n"
     "                         jedna z wartości:\n"
     "                           query_ok   - Zarni Installer nie działa\n"
     "                           query_busy - Zarni Installer działa\n"
     "\n"
     "    --check-updates Sprawdza, czy dla wybranego produktu są dostępne\n"
     "                         aktualizacje (Zarni, gdy nie wybrano produktu).\n"
     "                         Przykład:\n"
     "                           --select-product-id zarni --check-updates\n"
     "\n"
     "    --no-daemon Razem z --enable-xml-output instaluje na pierwszym planie\n"
     "                         i czeka na zakończenie instalacji.\n"
     "\n"},
    {"usage_web",
     " Opcje interfejsu WWW:\n"
     "    --web-interface Uruchamia kreator instalacji w przeglądarce internetowej\n"
     "    zamiast w konsoli. Kreator jest udostępniany na porcie 8447.\n"
     "\n"
     "    --ssl-cert <file.pem>\n"
     "    Plik z certyfikatem i kluczem prywatnym dla HTTPS. Domyślnie\n"
     "    tworzony jest certyfikat z podpisem własnym.\n"
     "\n"
     "    --without-ssl  Udostępnia interfejs WWW przez zwykły HTTP.\n"
     "\n"},
    {"usage_override",
     " Opcje zastępujące wykryty system operacyjny:\n"
     "    --override-os-name <arg>\n"
     "    Używa podanej nazwy systemu operacyjnego zamiast wykrytej.\n"
     "\n"
     "    --override-os-vendor <arg>\n"
     "    Używa podanego dostawcy systemu operacyjnego zamiast wykrytego.\n"
     "\n"
     "    --override-os-version <arg>\n"
     "    Używa podanej wersji systemu operacyjnego zamiast wykrytej.\n"
     "\n"
     "    --override-os-arch <arg>\n"
     "    Używa podanej architektury zamiast wykrytej.\n"
     "\n"
     "    --override-environment <arg>\n"
     "     Używa podanego środowiska zamiast wykrytego:\n"
     "     'dedicated' lub 'cq'.\n"
     "\n"},
    {"usage_console",
     " Opcje interaktywnego interfejsu konsoli:\n"
     "    --no-clear Nie czyści ekranu przy przechodzeniu między stronami\n"
     "    kreatora.\n"
     "\n"},
    {"usage_feedback",
     " Opcje informacji zwrotnych:\n"
     "    --enable-feedback Pozwala Zarni Installerowi wysyłać raport o błędzie\n"
     "    do twórców Zarni, gdy wystąpi problem.\n"
     "\n"
     "    --disable-feedback Nie wysyła raportów o błędach. Zarni Installer\n"
     "    zapamiętuje ten wybór na kolejne uruchomienia.\n"
     "\n"},
    {"usage_logging",
     " Opcje dziennika i powiadomień:\n"
     "    --notify-email <email>\n"
     "     Po zakończeniu pracy Zarni Installera wysyła raport\n"
     "     o wyniku na podany adres e-mail.\n"
     "\n"
     "    --truncate-log Opróżnia plik dziennika Zarni Installera przy starcie.\n"
     "\n"
     "    --separate-logs Zapisuje osobny plik dziennika dla każdego uruchomienia\n"
     "                         Zarni Installera.\n"
     "\n"
     "    --debug Zapisuje informacje diagnostyczne w pliku dziennika.\n"
     "\n"},
    {"usage_help",
     " Opcje pomocy i wersji Zarni Installera:\n"
     "    --version            Pokazuje wersję Zarni Installera.\n"
     "\n"
     "    --usage,\n"
     "    --help               Pokazuje przegląd interfejsu opartego na poleceniach.\n"
     "\n"
     "    --help-options       Pokazuje tę pomoc dotyczącą interfejsu opartego\n"
     "                         na opcjach.\n"
     "\n"},
    {"usage_obsolete",
     " Opcje przestarzałe:\n"
     "    --disable-zarni-sys-updates\n"
     "    Służyła do wyłączania aktualizacji systemu operacyjnego\n"
     "    dostarczanych z Zarni. Nadal jest akceptowana, ale nie zmienia\n"
     "    już tego, co jest instalowane.\n"
     "\n"
     "    --install-everything\n"
     "    Instaluje wszystkie komponenty wybranego wydania produktu.\n"
     "    Zamiast niej użyj --installation-type 'Full'.\n"
     "\n"
     "    --branch <tiers>\n"
     "    To samo co --tier.\n"
     "\n"
     "    --skip-branch-filter\n"
     "    To samo co --all-versions.\n"
     "\n"},
    {"usage_deprecated",
     " Opcje wycofane (akceptowane, ale ignorowane z ostrzeżeniem):\n"
     "    --source-type        Służyła do ustawiania typu źródła instalacji. Typ\n"
     "                         jest teraz rozpoznawany na podstawie wartości --source.\n"
     "\n"
     "    --add-source         Służyła do dodawania dodatkowego źródła pakietów.\n"
     "\n"
     "    --show-additional-source-types\n"
     "                         Służyła do wyświetlania typów dodatkowych źródeł\n"
     "                         pakietów.\n"
     "\n"
     "    --show-additional-sources\n"
     "                         Służyła do wyświetlania dodatkowych źródeł pakietów.\n"
     "\n"
     "    --mirror-os          Służyła do tworzenia kopii lustrzanych wersji produktów\n"
     "                         dla innego systemu operacyjnego.\n"
     "\n"
     "    --install-system-only\n"
     "                         Służyła do instalowania tylko pakietów systemowych\n"
     "                         Zarni Tenebrin.\n"
     "\n"
     "    --allow-kernel-install\n"
     "                         Służyła do zezwalania na instalację pakietów jądra.\n"
     "\n"
     "    --disable-major-updates\n"
     "                         Służyła do blokowania podnoszenia do nowego głównego\n"
     "                         wydania. Zamiast niej wybierz wydanie do instalacji\n"
     "                         opcją --select-release-id lub\n"
     "                         --select-release-current.\n"
     "\n"
     "    --upgrade-system-packages\n"
     "                         Służyła do podnoszenia również pakietów systemu\n"
     "                         operacyjnego.\n"
     "\n"
     "    --reinstall-patch    Służyła do ponownej instalacji najnowszej poprawki\n"
     "                         wybranych produktów. Interfejs oparty na poleceniach\n"
     "                         w ten sam sposób ignoruje --repatch.\n"
     "\n"
     "    --skip-patch         Służyła do pomijania instalacji poprawek. Interfejs\n"
     "                         oparty na poleceniach ignoruje ją w ten sam sposób.\n"
     "\n"
     "    --no-space-check     Służyła do pomijania sprawdzania wolnego miejsca\n"
     "                         na dysku.\n"
     "\n"},
    {"usage_end", "Informacje o interfejsie opartym na poleceniach znajdziesz w 'installer help'.\n"},
    {"usage_commands",
     "Użycie: installer COMMAND [OPTIONS]\n"
     "\n"
     "Polecenia:\n"
     "    list      Wyświetla dostępne produkty, wydania, zestawy i komponenty\n"
     "    list-all  Wyświetla wszystkie dostępne produkty i ich wydania\n"
     "    install   Instaluje wydanie produktu\n"
     "    update    Instaluje najnowsze aktualizacje zainstalowanych produktów\n"
     "    add       Dodaje komponenty do zainstalowanego produktu\n"
     "    remove    Usuwa komponenty z zainstalowanego produktu\n"
     "    upgrade   Podnosi zainstalowany produkt do innego wydania\n"
     "    stop      Zatrzymuje działający Zarni Installer\n"
     "    version   Pokazuje wersję Zarni Installera\n"
     "    help      Pokazuje pomoc dotyczącą polecenia\n"
     "\n"
     "Pomoc dotyczącą konkretnego polecenia wyświetla 'installer help COMMAND'.\n"
     "Pomoc dotyczącą interfejsu opartego na opcjach wyświetla 'installer --help-options'.\n"},
    {"usage_cmd_prefix", "Użycie: installer "},
    {"usage_cmd_version", "Pokazuje wersję Zarni Installera."},
    {"usage_cmd_help",
     "Bez COMMAND wyświetla listę poleceń. Z COMMAND pokazuje pomoc dotyczącą\n"
     "tego polecenia; dodaj --verbose (-v), aby zobaczyć więcej jego opcji."},
    {"usage_cmd_list_all", "Wyświetla wszystkie dostępne produkty i ich wydania."},
    {"usage_cmd_list",
     "Wyświetla dostępne produkty i wydania. Dla dokładnego wydania (identyfikator\n"
     "wydania albo identyfikator produktu i wersja) wyświetla jego zestawy instalacji\n"
     "(--presets), komponenty (--components, z ustawieniami po dodaniu --options)\n"
     "lub konfigurację systemowego menedżera pakietów dla niego (--sources)."},
    {"usage_cmd_install",
     "Instaluje wydanie produktu. Bez selektorów instalowane jest najnowsze dostępne\n"
     "wydanie Zarni. Komponenty wybierz zestawem (--preset, który zmieniają\n"
     "--with i --without) albo wymień je opcją --components."},
    {"usage_cmd_upgrade",
     "Podnosi zainstalowany produkt do innego wydania. Wydanie wskaż przez jego\n"
     "identyfikator, przez identyfikator produktu i wersję albo przez identyfikator\n"
     "produktu i poziom (brane jest najnowsze wydanie tego poziomu). Bez dokładnego\n"
     "wydania wyświetlana jest lista dostępnych wydań."},
    {"usage_cmd_update",
     "Instaluje najnowsze aktualizacje wszystkich zainstalowanych produktów lub tylko\n"
     "PRODUCT, bez podnoszenia ich do innego wydania."},
    {"usage_cmd_add", "Dodaje komponenty do zainstalowanego produktu."},
    {"usage_cmd_remove", "Usuwa komponenty z zainstalowanego produktu."},
    {"usage_cmd_add_remove_tail", "PRODUCT można pominąć, gdy zainstalowany jest tylko jeden produkt.\n"},
    {"usage_cmd_stop",
     "Zatrzymuje działający Zarni Installer. Zatrzymuje się on w najbliższym\n"
     "bezpiecznym miejscu; z --terminate zatrzymuje się nawet w trakcie instalacji\n"
     "pakietów."},
    {"usage_components",
     "COMPONENTS to lista identyfikatorów komponentów. Rozdziel je spacjami lub\n"
     "przecinkami albo powtórz opcję:\n"
     "  --components panel horde\n"
     "  --components panel,horde\n"
     "  --components panel --components horde\n"},
    {"usage_verbose",
     "Dodaj '--verbose' (lub '-v'), aby zobaczyć więcej opcji, albo '--verbose=2', aby zobaczyć wszystkie opcje."},
    {"usage_hdr_command_opts", "Opcje polecenia"},
    {"usage_hdr_general_opts", "Opcje ogólne"},
    {"usage_hdr_download_opts", "Opcje pobierania"},
    {"usage_hdr_proxy_opts", "Opcje serwera proxy"},
    {"usage_hdr_skip_opts", "Opcje pomijania kroków"},
    {"usage_hdr_env_opts", "Opcje zastępowania systemu operacyjnego"},
    {"usage_opt_source",
     "Źródło instalacji: "
     "URL serwera aktualizacji lub serwera lustrzanego albo ścieżka bezwzględna katalogu lokalnego"},
    {"usage_opt_target", "Katalog na pobrane pliki"},
    {"usage_opt_tries", "Liczba ponownych prób nieudanego pobierania (domyślnie: 3)"},
    {"usage_opt_ext",
     "URL Extensions Catalog, którego należy użyć zamiast wskazanego przez produkt"},
    {"usage_opt_proxy_host", "Nazwa hosta lub adres IP serwera proxy"},
    {"usage_opt_proxy_port", "Port serwera proxy (domyślnie: 3128)"},
    {"usage_opt_proxy_user", "Nazwa użytkownika do uwierzytelniania na serwerze proxy"},
    {"usage_opt_proxy_pass", "Hasło do uwierzytelniania na serwerze proxy"},
    {"usage_opt_skip_examine",
     "Nie uruchamiaj sprawdzania komponentów i produktu przed instalacją i po niej"},
    {"usage_opt_skip_gpg", "Nie weryfikuj podpisów GPG pakietów"},
    {"usage_opt_skip_cleanup",
     "Zachowaj konfigurację repozytoriów pakietów po zakończeniu pracy instalatora"},
    {"usage_opt_no_self_upgrade",
     "Nie zastępuj Zarni Installera jego nowszą ani starszą wersją"},
    {"usage_opt_help", "Pokaż pomoc dotyczącą polecenia"},
    {"usage_opt_xml", "Wypisuj odpowiedzi i komunikaty o stanie w formacie XML"},
    {"usage_opt_debug", "Zapisuj informacje diagnostyczne w pliku dziennika"},
    {"usage_opt_truncate_log", "Opróżnij plik dziennika Zarni Installera przy starcie"},
    {"usage_opt_separate_log", "Zapisuj osobny plik dziennika dla każdego uruchomienia Zarni Installera"},
    {"usage_opt_email",
     "Po zakończeniu pracy Zarni Installera wyślij raport o wyniku na ten adres e-mail"},
    {"usage_opt_verbose", "Pokaż więcej opcji w pomocy: 1 to więcej opcji, 2 to wszystkie opcje"},
    {"usage_opt_completion", "Wypisz opcje polecenia do uzupełniania w powłoce (JSON)"},
    {"usage_opt_override_os_name", "Nazwa systemu operacyjnego używana zamiast wykrytej"},
    {"usage_opt_override_os_vendor", "Dostawca systemu operacyjnego używany zamiast wykrytego"},
    {"usage_opt_override_os_version",
     "Wersja systemu operacyjnego używana zamiast wykrytej"},
    {"usage_opt_override_os_arch", "Architektura używana zamiast wykrytej"},
    {"usage_opt_override_env",
     "Środowisko używane zamiast wykrytego: 'dedicated' lub 'cq'"},
    {"usage_opt_list_presets", "Wyświetl zestawy instalacji wydania"},
    {"usage_opt_list_components", "Wyświetl komponenty wydania"},
    {"usage_opt_list_options", "Z --components pokaż też ustawienia każdego komponentu"},
    {"usage_opt_dry_run",
     "Niczego nie zmieniaj; "
     "tylko pokaż pakiety, które zostałyby zainstalowane [I], podniesione [U] lub usunięte [R]"},
    {"usage_opt_install_preset",
     "Zainstaluj komponenty tego zestawu (typu instalacji), na przykład 'Recommended' lub 'Full'"},
    {"usage_opt_install_with", "Komponenty do zainstalowania oprócz zestawu"},
    {"usage_opt_install_without", "Komponenty zestawu, których nie należy instalować"},
    {"usage_opt_install_components", "Komponenty do zainstalowania zamiast zestawu"},
    {"usage_opt_install_options", "Ustawienia komponentów, każde w postaci name=value"},
    {"usage_opt_update_panel_only",
     "Zainstaluj tylko aktualizacje samego Zarni, a nie innych usług, którymi Zarni zarządza"},
    {"usage_opt_addremove_components", "Komponenty do dodania lub usunięcia"},
    {"usage_opt_stop_terminate",
     "Zatrzymaj Zarni Installer nawet w trakcie instalacji pakietów (wysyła SIGTERM zamiast SIGHUP)"},
    {"error_supp_need",
     "Rozwiązania możesz poszukać w witrynie pomocy technicznej Zarni pod adresem https://support.zarni.example/"},
    {"os_win2003_not_supported",
     "Zarni nie obsługuje już systemu Windows Server 2003. "
     "Zgodnie z zasadami cyklu życia Zarni (https://www.zarni.example/legal/lifecycle-policy/) zalecamy używanie nowszej wersji systemu operacyjnego."},
    {"os_win2008_not_supported_product_installed",
     "Zarni nie obsługuje już systemu Windows Server 2008. "
     "Zgodnie z zasadami cyklu życia Zarni (https://www.zarni.example/legal/lifecycle-policy/) zalecamy używanie nowszej wersji systemu operacyjnego. "
     "Aby przenieść Zarni na serwer z obsługiwanym systemem operacyjnym, postępuj zgodnie z przewodnikiem migracji (https://www.zarni.example/en/121368)."},
    {"os_win2008_not_supported_product_not_installed",
     "Zarni nie obsługuje już systemu Windows Server 2008. "
     "Zgodnie z zasadami cyklu życia Zarni (https://www.zarni.example/legal/lifecycle-policy/) zalecamy używanie nowszej wersji systemu operacyjnego."},
    {"os_win2008r2_not_supported_product_installed",
     "Zarni nie obsługuje już systemu Windows Server 2008 R2. "
     "Zgodnie z zasadami cyklu życia Zarni (https://www.zarni.example/legal/lifecycle-policy/) zalecamy używanie nowszej wersji systemu operacyjnego. "
     "Aby przenieść Zarni na serwer z obsługiwanym systemem operacyjnym, postępuj zgodnie z przewodnikiem migracji (https://www.zarni.example/en/121368)."},
    {"os_win2008r2_not_supported_product_not_installed",
     "Zarni nie obsługuje już systemu Windows Server 2008 R2. "
     "Zgodnie z zasadami cyklu życia Zarni (https://www.zarni.example/legal/lifecycle-policy/) zalecamy używanie nowszej wersji systemu operacyjnego."},
};

}  // namespace

void loadInstallerMessages_pl_PL(Messages::messages_rep& catalogue)
{
    loadMessageTable(catalogue, kTable);
}

// Hungarian texts of the installer messages: program name, help pages, wizard, progress and status texts.
#include "messages/MessageLoaders.h"

namespace {

const MessagePair kTable[] = {
    {"Kitwright", "Zarni Installer"},
    {"usage_cmd_list_tail", "Példák:\nAz elérhető termékek listázása:\nlist\nA legújabb elérhető Zarni-kiadások listázása az alapértelmezett szintekkel:\nlist %1%\nAz összes elérhető Zarni-kiadás listázása:\nlist %1% all\nA legújabb elérhető Zarni előzetes kiadás megjelenítése („testing” szint):\nlist %1% testing\nA Zarni %2% összetevőinek listázása (termékazonosító és verzió szerint):\nlist %1% %2% --components\nA Zarni %2% telepítési előbeállításainak listázása (kiadásazonosító szerint):\nlist %3% --presets\n"},
    {"usage_cmd_install_tail", "Példák:\nA Zarni legújabb általánosan elérhető kiadása ajánlott összetevőinek\ntelepítése:\ninstall\nA Zarni legújabb elérhető előzetes kiadásának telepítése:\ninstall testing\nA Zarni %2% telepítése (verzió szerint):\ninstall %1% %2%\nA Zarni összes összetevőjének telepítése Java-támogatás és Horde-webmail\nnélkül (a kiadás azonosító szerint kiválasztva):\ninstall %3% --preset Full --without java horde\n"},
    {"usage_cmd_upgrade_tail", "Példák:\nFrissítés a Zarni %2% verzióra (termékazonosító és verzió szerint):\nupgrade %1% %2%\nFrissítés a Zarni %2% verzióra (kiadásazonosító szerint):\nupgrade %3%\nFrissítés a legújabb elérhető stabil Zarni-kiadásra:\nupgrade %1% stable\n"},
    {"usage_cmd_update_tail", "Példák:\nAz összes telepített termék legújabb frissítéseinek telepítése:\nupdate\nA Zarni-telepítés frissítése:\nupdate %1%\nCsak a Zarni frissítéseinek telepítése, a Zarni által kezelt többi szolgáltatás\nlehetőség szerinti frissítése nélkül (csak a(z) '%1%' termékre érvényes):\nupdate --panel-only\n"},
    {"usage_selector", "Minden SELECTOR a következők egyike:\ntermékazonosító, pl. '%1%'\nkiadási szint, pl. „stable”, vagy „all” a szintszűrés mellőzéséhez\nkiadási verzió, pl. '%2%'\nkiadásazonosító, pl. '%3%'\n\nAz érvényes választókat a „list” paranccsal ellenőrizheti. "},
    {"usage_product", "A PRODUCT egy termékazonosító választó, pl. '%1%'.\nAz érvényes termékazonosítókat a „list” paranccsal ellenőrizheti.\n"},
    {"download_file", "Fájl letöltése: "},
    {"download_total_progress", "(%s / %s) "},
    {"download_retry_progress", " (újrapróbálkozás: %s/%s)"},
    {"download_retry", "%s. Újrapróbálkozás %s másodperc múlva..."},
    {"progress_stage_init", "Elindult a Zarni Installer segédprogram"},
    {"progress_stage_prep", "A rendszer előkészítése"},
    {"progress_stage_resolv", "Csomagok feloldása"},
    {"progress_stage_download", "Csomagok letöltése"},
    {"dpkg_register_new_arch", "A(z) %s architektúra támogatásának regisztrálása"},
    {"examine_unpassed", "Az összetevők és a termék ellenőrzése legalább egy fontos problémát észlelt:"},
    {"examine_post_results", "Az összetevők és a termék ellenőrzésének eredményei:"},
    {"examine_signal", "Az ellenőrzést a(z) %s jelzés leállította."},
    {"examine_time_limit", "Az ellenőrzés nem fejeződött be %s másodperc alatt, ezért leállt."},
    {"check_system_packages", "A telepített csomagok ellenőrzése... "},
    {"read_system_packages", "A telepített csomagok adatainak lekérése... "},
    {"status_not_locked", "A Zarni Installer segédprogram nem fut."},
    {"status_locked_by_another", "A frissítési műveletet egy másik frissítési folyamat zárolta."},
    {"status_daemon_launched", "Elindult a Zarni Installer segédprogram démonja."},
    {"status_busy", "Már fut a Zarni Installer segédprogram egy másik példánya."},
    {"error_sys_stable", "Nem minden csomag települt."},
    {"error_sys_unsure", "Figyelmeztetés! Nem minden csomag települt.\nEllenőrizze, hogy működnek-e a rendszerszolgáltatások."},
    {"error_sys_broken", "Figyelem! Előfordulhat, hogy a szoftver nem működik."},
    {"error_rep_none", ""},
    {"error_rep_again", "Próbálja meg később újra telepíteni a csomagokat."},
    {"error_supp_none", "Oldja meg ezt a problémát, és próbálja meg újra telepíteni a csomagokat."},
    {"components_allready_installed", "Már telepítve van a termékek legújabb verziója és az összes kiválasztott összetevő. A telepítés nem folytatódik."},
    {"releases_no_avail", "A telepítés nem folytatódik, mert a(z) \"%s\" operációs rendszer nem támogatott. A támogatott operációs rendszerek teljes listája a Zarni kiadási megjegyzéseiben található. "},
    {"insttypes_page_hdr1", "Válassza ki a telepítés típusát ehhez: %s"},
    {"components_page_body2", "Válassza ki a(z) %s telepíteni kívánt összetevőit:"},
    {"components_page_num_selected", "%s / %s összetevő kiválasztva"},
    {"options_page_body2", "%s összetevő paramétereinek megadása szükséges. "},
    {"options_page_body5", "\nA(z) '%s’ összetevő: minden kötelező paraméter meg van határozva.\n"},
    {"packages_page_body_install", "%s olyan csomag van, amelyre a terméknek a megfelelő működéshez szüksége van,\nde nem található a rendszerben.\n"},
    {"packages_page_body_upgrade", "%s csomagot frissíteni kell\na termék telepítéséhez.\n"},
    {"packages_page_body_remove", "%s csomag telepítve van, de el lesz távolítva.\n"},
    {"install_start", "A módosítások alkalmazása a rendszeren"},
    {"install_ok", "A módosítások alkalmazása sikerült."},
    {"err_send_mail", "Figyelmeztetés: nem sikerült e-mailben elküldeni a telepítési jelentést."},
    {"err_read_prodsinfo", "Nem sikerült beolvasni a termékadatokat a következő fájlból: "},
    {"warn_deprecated_option", "FIGYELMEZTETÉS: a(z) '%s' parancssori kapcsoló elavult, és figyelmen kívül marad."},
    {"err_chk_md5", "Nem sikerült a fájl ellenőrzőösszeg kiszámítása."},
    {"new_build_avail", "Figyelmeztetés: új termék-build érhető el a kiszolgálón."},
    {"added_comps_by_deps", "A következő összetevők települnek, mert a kiválasztott összetevők igénylik őket:"},
    {"removed_comps_by_deps", "A következő összetevők el lesznek távolítva, mert ütköznek a telepítésre kiválasztott összetevőkkel, vagy igénylik az eltávolításra kiválasztott összetevőket:"},
    {"err_dep_from_pkg_unresolved", "%s: nem található megfelelő megoldás a(z) \"%s\" függőségre. "},
    {"err_pkg_downgrade", "Nem lehet visszaállítani a(z) '%s' csomagot a(z) %s verzióra:\n  jelenleg a(z) %s verzió van telepítve."},
    {"err_pkg_clash", "A(z) \"%s\" és a(z) \"%s\" csomag nem telepíthető egyszerre"},
    {"err_pkg_fileconfl", "a(z) \"%s\" fájllal való ütközés miatt"},
    {"err_pkg_depconfl", "mert a(z) \"%s\" ütközik ezzel: \"%s\"."},
    {"pkg_select_reason", "A(z) \"%s\" csomag a következő függőségek miatt lett kiválasztva:"},
    {"pkg_select_depend", "    \"%s\", igényli: \"%s\""},
    {"deps_report_head", "A telepítés sikertelenségét a következők okozhatták:"},
    {"deps_long_report", "Más problémák is felmerültek. Részletekért a naplófájlt nézze meg: %s. "},
    {"user_canceled", "A felhasználó megszakította"},
    {"goto_webinterface_url", " Most történt meg a webes kezelőfelület indítása. Keresse fel %s helyet a böngészőjével. "},
    {"upgrade_from_not_supported_versions", "A(z) %s csak a(z) %s vagy korábbi verzióra frissíthető. Ha a legújabb verzióra szeretne frissíteni, olvassa el a következő cikket: %s"},
    {"stop_already_stopped", "A Zarni Installer segédprogram nem fut."},
    {"stop_sent", "A Zarni Installer segédprogram leállítása kérve."},
    {"download_completed", "már letöltve"},
    {"download_done", "kész"},
    {"download_all_done", "Minden fájl le lett töltve."},
    {"download_ext_catalog_feed", "Az Extensions Catalog hírcsatorna letöltése..."},
    {"process_apt_get_update", "Az APT-csomagindex frissítése..."},
    {"question_continue", "Szeretné folytatni?"},
    {"question_show_settings",
     "Ezt a telepítési forrás, a kapcsolat vagy a telepítő beállításainak problémája okozhatja.\n"
     "A telepítő egy helyrehozhatatlan hiba miatt kilép.\n"
     "Szeretné megtekinteni a telepítő jelenlegi beállításait és azok módosításának módját?"},
    {"examine_presetup", "Az összetevők és a termék ellenőrzése a telepítés előtt"},
    {"examine_postsetup", "Az összetevők és a termék ellenőrzése a telepítés után"},
    {"examine_perform", "Az összetevők és a termék ellenőrzése..."},
    {"examine_skip_yesno", "A telepítésnek vagy a magasabb verzióra frissítésnek a talált problémák megoldása nélküli folytatása adatai sérülését okozhatja. "},
    {"wizard_current_settings", "Jelenlegi beállítások:"},
    {"yesno_retry", "Írja be az Y betűt az igenhez vagy az N betűt a nemhez"},
    {"message_press_enter", "(a folytatáshoz nyomja meg az Enter billentyűt)"},
    {"releases_reporter_no_updates", "Nincsenek elérhető frissítések."},
    {"releases_reporter_list_empty", "Nincsenek telepíthető termékek."},
    {"releases_page_hdr", "Termékek és verziók"},
    {"releases_page_body", "A következő termékverziók érhetők el:"},
    {"releases_no_selected", "Nincs kiválasztva termékverzió."},
    {"releases_upgrade_request1", "A gépen a(z) "},
    {"releases_upgrade_request2",
     " verzió van telepítve.\n"
     "Szeretné frissíteni?"},
    {"wizard_legend_header", "Elérhető műveletek:"},
    {"wizard_legend_f_forward", "(F) Tovább"},
    {"wizard_legend_b_back", "(B) Vissza"},
    {"wizard_legend_q_quit", "(Q) A telepítés megszakítása"},
    {"wizard_legend_s_advanced_settings", "(S) Speciális beállítások megjelenítése"},
    {"wizard_legend_a_select_all", "(A) Az összes kijelölése"},
    {"wizard_legend_d_deselect_all", "(D) Az összes kijelölésének megszüntetése"},
    {"wizard_legend_f_forward_specify_params", "(F) Tovább és a paraméterek megadása"},
    {"wizard_legend_f_forward_skip_params", "(F) Tovább a paraméterek módosítása nélkül"},
    {"wizard_legend_u_specify_undefined_params", "(U) Tovább és csak a meg nem határozott paraméterek megadása"},
    {"wizard_legend_r_redefine_params_all", "(R) Az összes paraméter újbóli meghatározása"},
    {"wizard_legend_r_redefine_params_one", "(R) Az összetevő paramétereinek újbóli meghatározása"},
    {"wizard_legend_s_show_packages", "(S) A csomagok listájának megjelenítése"},
    {"wizard_prompt_action", "Válasszon műveletet"},
    {"wizard_prompt_action_retry", "Írja be a fenti jelmagyarázat egyik karakterét"},
    {"wizard_prompt_action_or_number", "Válasszon műveletet vagy számot"},
    {"wizard_prompt_action_or_number_retry", "Írjon be egy számot vagy egy művelet karakterét a fenti jelmagyarázatból"},
    {"wizard_prompt_number", "Válasszon számot"},
    {"wizard_prompt_number_retry", "Írja be a fenti lista egyik számát"},
    {"hello_page_hdr", "A Zarni telepítő és frissítő varázslója"},
    {"hello_page_body",
     "Ez a varázsló segít a Zarni telepítésében, újabb kiadásra frissítésében,\n"
     "valamint összetevőinek hozzáadásában és eltávolításában.\n"
     "\n"
     "------ FONTOS ------\n"
     "\n"
     "* Készítsen biztonsági mentést az adatairól, mielőtt frissíti a Zarni\n"
     "  terméket vagy eltávolítja valamelyik összetevőjét.\n"
     "\n"
     "* Ne szakítsa meg a telepítést, amíg a csomagok telepítése folyik.\n"
     "\n"
     "* A Zarni terjesztése a Zarni végfelhasználói licencszerződése alapján\n"
     "történik. Olvassa el a feltételeit a http://www.zarni.example/legal/terms/\n"
     "  címen, mielőtt folytatja: a Zarni telepítésével elfogadja azokat.\n"},
    {"source_product_source", " Termékek telepítése innen: "},
    {"source_target_dir", " A letöltött fájlok mentése ide: "},
    {"source_from_zarni", "a Zarni frissítési kiszolgálója"},
    {"source_from_network", "a hálózati hely"},
    {"source_from_local", "a helyi könyvtár"},
    {"proxy_no_proxy", " Ne használjon proxyt"},
    {"proxy_no_auth", " Ne használjon proxyhitelesítést"},
    {"proxy_proxy_host", " HTTP-proxy használata (állomás:port): "},
    {"proxy_auth", " Proxyhitelesítés használata, felhasználónév: "},
    {"settings_download_retries", " Egy sikertelen letöltés újrapróbálkozásainak száma: "},
    {"settings_page_hdr", "Speciális beállítások"},
    {"settings_page_body",
     "Ezek a beállítások (a termék terjesztési csomagjainak helye, a letöltött fájlok\n"
     "tárolási helye, a proxybeállítások és a letöltési beállítások) megadhatók a\n"
     "parancssorban vagy a konfigurációs fájlban.\n"
     "\n"
     " Parancssor                         | Konfigurációs fájl               | Összegzés\n"
     "------------------------------------+----------------------------------+--------------------\n"
     " --source <URL-cím vagy elérési út> | SOURCE=<URL-cím vagy elérési út> | installation source\n"
     " --target <dir>                     | TARGET=<dir>                     | letöltési könyvtár\n"
     " --proxy-host <host>                | PROXY_HOST=<állomás>             | proxyállomás\n"
     " --proxy-port <port>                | PROXY_PORT=<port>                | proxyport\n"
     " --proxy-user <felhasználó>         | PROXY_USER=<felhasználó>         | proxyfelhasználó\n"
     " --proxy-password <jelszó>          | PROXY_PASSWORD=<jelszó>          | proxyjelszó\n"
     " --download-retry-count <N>         | DOWNLOAD_RETRY_COUNT=<N>         | letöltési próbák\n"
     "\n"
     "A parancssori argumentumok elsőbbséget élveznek a konfigurációs fájllal\n"
     "szemben. A telepítő induláskor olvassa be a konfigurációs fájlt; minden\n"
     "beállítást külön sorba írjon, például PROXY_PORT=3128. "},
    {"settings_page_cfg", "A telepítő konfigurációs fájljának helye: "},
    {"insttypes_page_hdr", "Telepítési típusok"},
    {"insttypes_page_body", "A telepítési típus összetevők előre meghatározott készlete. Válasszon egyet közülük:"},
    {"components_page_hdr", "Elsődleges összetevők listája"},
    {"components_page_hdr1", "Fő összetevők listája: "},
    {"components_page_body1", "A termék összetevőinek megjelenítése:"},
    {"components_page_body3", "Válassza ki a telepíteni kívánt összetevőket:"},
    {"components_page_bottom_toggle_components", "Írjon be egy számot a megfelelő összetevő átkapcsolásához."},
    {"components_page_bottom_toggle_groups", "Írjon be egy számot a megfelelő összetevő átkapcsolásához vagy a csoport (<+> jellel jelölve) megtekintéséhez."},
    {"components_toggle_also", "Az összetevő állapotának átkapcsolásához a következőket is el kell végeznie:"},
    {"components_install_also", "a következő összetevők telepítése vagy frissítése: "},
    {"components_install_remove_them", "Szeretné ezt elvégezni?"},
    {"components_remove_also", "a következő összetevők eltávolítása: "},
    {"components_unmark_also", "a következő összetevők kijelölésének megszüntetése: "},
    {"components_atleast_one", "A folytatáshoz legalább egy összetevőt ki kell választania."},
    {"components_deny_implicit_remove", "Az összetevő vagy összetevőcsoport eltávolításához először el kell távolítania azokat az összetevőket, amelyek közvetetten nem távolíthatók el: "},
    {"components_group_toggle_also", "Az összetevők állapotának átkapcsolásához a következőket is el kell végeznie:"},
    {"components_group_deny_conflict", "Nem lehet átkapcsolni ezen összetevők állapotát, mert az megsértené a következő összetevők függőségeit: "},
    {"components_group_deny_conflict_suggestion", "Próbálja meg inkább egyenként átkapcsolni az összetevőket."},
    {"need_also_message", "A következő összetevőkből származó csomagok telepítését igénylik a kiválasztott összetevők: "},
    {"need_also_remove_message", "A következő összetevőkből származó csomagok eltávolítását igénylik a kiválasztott összetevők: "},
    {"options_page_hdr", "Összetevők paraméterei"},
    {"options_page_body1", " bizonyos beállítások megadását igénylik a telepítéshez kiválasztott összetevők. "},
    {"options_page_body3", "Most meg kell határoznia mindegyik igényelt paramétert. "},
    {"options_page_body4", "Már megtörtént az összetevők paramétereinek meghatározása. "},
    {"packages_page_hdr", "Csomagváltozások"},
    {"packages_no_reqpackages", "Nem kell csomagot telepíteni, frissíteni vagy eltávolítani."},
    {"install_remove", "Csomagok eltávolítása: "},
    {"install_again", "Megjegyzés: új termék-build jelent meg, miközben a Zarni Installer segédprogram a csomagokat telepítette.\nSzeretné telepíteni?"},
    {"install_install_package", "Csomagok telepítése: "},
    {"checking_comps_status", "A telepített termékösszetevők felismerése."},
    {"checking_deps", "Csomagfüggőségek ellenőrzése..."},
    {"err_set_proxyvar", "Figyelmeztetés: nem sikerült beállítani a proxy környezeti változóját a csomagkezelő számára."},
    {"err_no_librpm", "Hiba: nem tölthető be a librpm, az RPM-csomagadatbázist olvasó könyvtár."},
    {"err_no_pagers", "Figyelmeztetés: sem a „less”, sem a „more” segédprogram nem található."},
    {"installling_pkgs", "Csomagok telepítése"},
    {"installing_pkglist", "A következő csomagok telepítése:"},
    {"warn_apt_cdrom_in_source",
     "Figyelmeztetés: az APT-forráslista CD/DVD-forrást tartalmaz. A Zarni Installer\n"
     "segédprogram leállhat, és várhat a lemezre. Ha a lemez nem érhető el, távolítsa\n"
     "el a cdrom sorokat az /etc/apt/sources.list fájlból és az\n"
     "/etc/apt/sources.list.d/ könyvtár fájljaiból, majd futtassa újra a telepítést."},
    {"retype_password", "Írja be újra a jelszót: "},
    {"webinterface_exit_by_timeout", " A Zarni Installer segédprogram hosszú tétlenség miatt bezárult."},
    {"ask_customer_feedback", "Szeretne segíteni a Zarni fejlesztésében azzal, hogy probléma esetén\nhibajelentéseket küld a Zarni fejlesztőinek?"},
    {"press_enter_to_exit", "A kilépéshez nyomja meg az ENTER billentyűt ..."},
    {"comps_no_options", "A listázott összetevők egyikének sincsenek beállításai."},
    {"options_select_all_IPs", "Az összes IP-cím kijelölése"},
    {"searching_need_pkgs", "A szükséges csomagok keresése..."},
    {"confirm_uninstallation", "Biztosan eltávolítja a(z) %s terméket és annak összes összetevőjét?"},
    {"confirm_uninstallation_title", "A(z) %s eltávolítása"},
    {"cancel_uninstallation", "Az eltávolítás megszakítása"},
    {"error_supp_maybe", "Oldja meg ezt a problémát, és próbálja meg újra telepíteni a csomagokat.\nMegoldást a Zarni támogatási webhelyén kereshet: https://support.zarni.example/"},
    {"usage_header",
     "Használat: installer [OPTIONS]\n"
     "\n"
     "A Zarni Installer segédprogram telepíti, frissíti és eltávolítja a Zarni\n"
     "termékeket és azok összetevőit. Kapcsolók nélkül futtatva elindítja az\n"
     "interaktív varázslót a konzolon.\n"
     "\n"},
    {"usage_download",
     " Letöltési kapcsolók:\n"
     "--source <URL-cím vagy abszolút elérési út>\n"
     "A termékek letöltése a megadott frissítési kiszolgálóról vagy tükörről, vagy\n"
     "egy helyi könyvtárból.\n"
     "Mintaértékek:\n"
     "http://updates.zarni.example/\n"
     "http://mirror.zarni.example/zarni/\n"
     "/root/kestavine/mirror/\n"
     "\n"
     "--target <dir> A letöltött fájlok tárolása a megadott könyvtárban.\n"
     "Mintaérték:\n"
     "/root/kestavine\n"
     "\n"
     "--download-retry-count <szám>\n"
     "Egy sikertelen letöltés újrapróbálkozásainak száma (alapértelmezés: 3).\n"
     "\n"},
    {"usage_proxy",
     " Proxykapcsolók:\n"
     "--proxy-host <host> A proxykiszolgáló állomásneve vagy IP-címe.\n"
     "\n"
     "--proxy-port <port> A proxykiszolgáló portja (alapértelmezés: 3128).\n"
     "\n"
     "--proxy-user <user> Felhasználónév a proxyhitelesítéshez.\n"
     "\n"
     "--proxy-password <password>\n"
     "Jelszó a proxyhitelesítéshez.\n"
     "\n"},
    {"usage_selectors",
     " Termék- és kiadásválasztó kapcsolók:\n"
     "\n"
     "--select-product-id <termékazonosító>\n"
     "Az utána következő kapcsolók által érintett termék kiválasztása. A termék\n"
     "kiadását a következő kapcsolók egyikével válassza ki:\n"
     "--select-release-id, --select-release-latest,\n"
     "--select-release-current\n"
     "\n"
     "--select-release-id <kiadásazonosító>\n"
     "A megadott azonosítójú kiadás kiválasztása.\n"
     "\n"
     "--select-release-latest\n"
     "A termék legújabb elérhető kiadásának kiválasztása.\n"
     "\n"
     "--select-release-current\n"
     "A termék telepített kiadásának kiválasztása.\n"
     "\n"
     "--tier <szintek> Csak a megadott szintek kiadásainak felajánlása, vesszővel\n"
     "elválasztott listaként, például stable,testing. Az alapértelmezés:\n"
     "\"stable,release,current\".\n"
     "\n"
     "--all-versions A kiadások szint szerinti szűrésének mellőzése. Ezzel a\n"
     "kapcsolóval a telepítő minden szint kiadásait felajánlja, az előzetes\n"
     "kiadásokat is beleértve.\n"
     "\n"},
    {"usage_install",
     " Telepítési kapcsolók:\n"
     "--installation-type <típusnév>\n"
     "A kiválasztott termékkiadás megadott telepítési típusához (például\n"
     "„Recommended” vagy „Full”) tartozó összetevők telepítése.\n"
     "Példák:\n"
     "1) a legújabb Zarni ajánlott összetevői:\n"
     "--select-product-id zarni --select-release-latest \\\n"
     "--installation-type Recommended\n"
     "2) a ZARNI_12_5_30 Zarni-kiadás összes összetevője:\n"
     "--select-product-id zarni \\\n"
     "--select-release-id ZARNI_12_5_30 \\\n"
     "--installation-type Full\n"
     "\n"
     "--install-component <összetevő azonosító>\n"
     "A kiválasztott termékkiadás megadott összetevőjének telepítése. Több összetevő\n"
     "telepítéséhez ismételje meg a kapcsolót.\n"
     "Példák:\n"
     "1) a Horde-webmail hozzáadása a telepített Zarni termékhez:\n"
     "--select-product-id zarni --select-release-current \\\n"
     "--install-component horde\n"
     "2) a Zarni 12.5.30 telepítése a panellel és a Postfixszel:\n"
     "--select-product-id zarni \\\n"
     "--select-release-id ZARNI_12_5_30 \\\n"
     "--install-component panel --install-component postfix\n"
     "\n"
     "--set-option <setting_name>=<setting_value>\n"
     "Az előző --select-product-id által megnevezett termék egy összetevő-\n"
     "beállításának megadása. Több beállítás megadásához ismételje meg a kapcsolót.\n"
     "\n"},
    {"usage_remove",
     " Eltávolítási kapcsolók:\n"
     "--remove-component <összetevő azonosító>\n"
     "A kiválasztott termék megadott összetevőjének eltávolítása. Több összetevő\n"
     "eltávolításához ismételje meg a kapcsolót.\n"
     "Példák: 1) a Horde-webmail eltávolítása a Zarni termékből:\n"
     "--select-product-id zarni --remove-component horde\n"
     "2) két összetevő eltávolítása egyszerre:\n"
     "--select-product-id zarni \\\n"
     " --remove-component horde \\\n"
     "--remove-component postfix\n"
     "\n"
     "--remove-everything A kiválasztott termék összes összetevőjének, azaz magának\n"
     "a terméknek az eltávolítása.\n"
     "Példa (a Zarni eltávolítása):\n"
     "--select-product-id zarni --remove-everything\n"
     "\n"
     "--interactive-uninstall\n"
     "A --remove-everything kapcsolóval együtt az Enter billentyűre vár, mielőtt a\n"
     "Zarni Installer segédprogram kilép.\n"
     "\n"},
    {"usage_upgrade",
     " Frissítési\n"
     "kapcsolók:\n"
     "--upgrade-installed-components\n"
     "A kiválasztott termék telepített összetevőinek frissítése a kiválasztott\n"
     "kiadásra.\n"
     "Példák: 1) a telepített Zarni legújabb frissítéseinek telepítése:\n"
     "--select-product-id zarni --select-release-current \\\n"
     "--upgrade-installed-components\n"
     "2) a Zarni frissítése a ZARNI_12_5_30 kiadásra:\n"
     "--select-product-id zarni \\\n"
     "--select-release-id ZARNI_12_5_30 \\\n"
     "--upgrade-installed-components\n"
     "\n"
     "--include-components-from-class <osztály>\n"
     "A kiválasztott termék csak azon telepített összetevőinek frissítése, amelyek\n"
     "a megadott osztályba tartoznak, például aspect=panel. Több osztály\n"
     "megadásához ismételje meg a kapcsolót.\n"
     "\n"},
    {"usage_no_warn",
     " Összetevő-ellenőrzési kapcsolók:\n"
     "--skip-components-check\n"
     "Az összetevők és a termék ellenőrzéseinek kihagyása a telepítés előtt és után.\n"
     "A Zarni Installer segédprogram ezekkel az ellenőrzésekkel keresi az adatait\n"
     "esetleg károsító problémákat, ezért csak akkor hagyja ki őket, ha biztos\n"
     "benne, hogy a telepítés biztonságos.\n"
     "\n"},
    {"usage_list",
     " Termékek, kiadások és összetevők listázására szolgáló kapcsolók:\n"
     "--show-releases A kiválasztott termék (ha nincs kiválasztva termék, a Zarni)\n"
     "elérhető kiadásainak listázása a kiadásazonosítókkal és a szintekkel együtt.\n"
     "A Zarni Installer segédprogram csak a \"stable\", a \"release\" és a \"current\"\n"
     "szint kiadásait listázza, kivéve, ha a --all-versions kapcsolót használja,\n"
     "vagy más szinteket ad meg a --tier kapcsolóval.\n"
     "\n"
     "--show-all-releases Az összes elérhető termék és kiadásaik listázása.\n"
     "\n"
     "--show-os-list Azon operációs rendszerek listázása, amelyekre a kiválasztott\n"
     "kiadás készült.\n"
     "\n"
     "--show-installation-types\n"
     "A kiválasztott kiadás telepítési típusainak listázása.\n"
     "\n"
     "--show-components A kiválasztott kiadás összetevőinek listázása, valamint\n"
     "annak jelzése, hogy mindegyik telepítve van-e, frissíthető-e vagy naprakész-e.\n"
     "A megjelenített összetevő-azonosítókat a --install-component és a\n"
     "--remove-component kapcsolóval használhatja.\n"
     "\n"
     "--show-upgradable-components\n"
     "Csak a frissíthető összetevők listázása.\n"
     "\n"
     "--show-options A --show-components kapcsolóval együtt minden összetevő\n"
     "beállításainak megjelenítése is. Nem kombinálható a\n"
     "--show-upgradable-components kapcsolóval.\n"
     "\n"
     "--show-packages A telepítési, frissítési vagy eltávolítási kapcsolókkal együtt\n"
     "csak azoknak a csomagoknak a megjelenítése, amelyek telepítve [I],\n"
     "frissítve [U] vagy eltávolítva [R] lennének, semmi módosítása nélkül.\n"
     "\n"},
    {"usage_automation",
     " Automatizálási kapcsolók:\n"
     "--enable-xml-output A válaszok és állapotüzenetek kiírása XML-formátumban,\n"
     "parancsfájlok és más programok számára. A telepítés ekkor a háttérben fut.\n"
     "\n"
     "--query-status Annak megjelenítése, hogy fut-e a Zarni Installer segédprogram,\n"
     "és ha igen, a munkájának fázisa és lépése. A válasz állapota a következők\n"
     "egyike:\n"
     "query_ok   - a Zarni Installer segédprogram nem fut\n"
     "query_busy - a Zarni Installer segédprogram fut\n"
     "\n"
     "--check-updates Annak ellenőrzése, hogy vannak-e frissítések a kiválasztott\n"
     "termékhez (ha nincs kiválasztva termék, a Zarni termékhez).\n"
     "Példa:\n"
     "--select-product-id zarni --check-updates\n"
     "\n"
     "--no-daemon A --enable-xml-output kapcsolóval együtt telepítés az előtérben,\n"
     "és várakozás a telepítés befejezéséig.\n"
     "\n"},
    {"usage_web",
     " Webes kezelőfelület kapcsolói:\n"
     "--web-interface A telepítő varázsló futtatása webböngészőben a konzol helyett.\n"
     "A varázsló a 8447-es porton érhető el.\n"
     "\n"
     "--ssl-cert  <file.pem>\n"
     "A HTTPS-hez szükséges tanúsítványt és titkos kulcsot tartalmazó fájl.\n"
     "Alapértelmezés szerint önaláírt tanúsítvány jön létre.\n"
     "\n"
     "--without-ssl A webes kezelőfelület kiszolgálása titkosítatlan HTTP-n.\n"
     "\n"},
    {"usage_override",
     " Az észlelt operációs rendszert felülbíráló kapcsolók:\n"
     "--override-os-name <arg>\n"
     "A megadott operációsrendszer-név használata az észlelt helyett.\n"
     "\n"
     "--override-os-vendor <arg>\n"
     "A megadott operációsrendszer-gyártó használata az észlelt helyett.\n"
     "\n"
     "--override-os-version <arg>\n"
     "A megadott operációsrendszer-verzió használata az észlelt helyett.\n"
     "\n"
     "--override-os-arch <arg>\n"
     "A megadott architektúra használata az észlelt helyett.\n"
     "\n"
     "--override-environment <arg>\n"
     "A megadott környezet használata az észlelt helyett:\n"
     "„dedicated” vagy „cq”.\n"
     "\n"},
    {"usage_console",
     " Interaktív konzolfelület kapcsolói:\n"
     "--no-clear A képernyő törlésének mellőzése a varázsló oldalai közötti\n"
     "váltáskor.\n"
     "\n"},
    {"usage_feedback",
     " Visszajelzési kapcsolók:\n"
     "--enable-feedback Engedélyezi, hogy a Zarni Installer segédprogram probléma\n"
     "esetén hibajelentést küldjön a Zarni fejlesztőinek.\n"
     "\n"
     "--disable-feedback Nem küld hibajelentéseket. A Zarni Installer segédprogram\n"
     "megjegyzi a választást a későbbi futtatásokhoz.\n"
     "\n"},
    {"usage_logging",
     " Naplózási és értesítési kapcsolók:\n"
     "--notify-email <email>\n"
     "Amikor a Zarni Installer segédprogram befejeződik, jelentés küldése az\n"
     "eredményről a megadott e-mail-címre.\n"
     "\n"
     "--truncate-log A Zarni Installer segédprogram naplófájljának kiürítése\n"
     "induláskor.\n"
     "\n"
     "--separate-logs Külön naplófájl írása a Zarni Installer segédprogram minden\n"
     "futtatásához.\n"
     "\n"
     "--debug Hibakeresési adatok írása a naplófájlba.\n"
     "\n"},
    {"usage_help",
     " A Zarni Installer segédprogram súgó- és\n"
     "verziókapcsolói:\n"
     "--version A Zarni Installer segédprogram verziójának megjelenítése.\n"
     "\n"
     "--usage,\n"
     "--help A parancsalapú felület áttekintésének megjelenítése.\n"
     "\n"
     "--help-options Ennek a kapcsolóalapú felületről szóló súgónak a megjelenítése.\n"
     "\n"},
    {"usage_obsolete",
     " Elavult kapcsolók:\n"
     "--disable-zarni-sys-updates\n"
     "Korábban a Zarni termékkel szállított operációsrendszer-frissítések\n"
     "kikapcsolására szolgált. Még elfogadott, de már nem módosítja a telepítendő\n"
     "elemeket.\n"
     "\n"
     "--install-everything\n"
     "A kiválasztott termékkiadás összes összetevőjének telepítése. Használja\n"
     "helyette a --installation-type „Full” kapcsolót.\n"
     "\n"
     "--branch <szintek> Ugyanaz, mint a --tier.\n"
     "\n"
     "--skip-branch-filter\n"
     "Ugyanaz, mint a --all-versions.\n"
     "\n"},
    {"usage_deprecated",
     " Kivezetett kapcsolók (elfogadja, de figyelmeztetéssel figyelmen kívül hagyja):\n"
     "--source-type Korábban a telepítési forrás típusát állította be. A típust\n"
     "most a --source értéke alapján ismeri fel.\n"
     "\n"
     "--add-source Korábban további csomagforrást adott hozzá.\n"
     "\n"
     "--show-additional-source-types\n"
     "Korábban a további csomagforrások típusait listázta.\n"
     "\n"
     "--show-additional-sources\n"
     "Korábban a további csomagforrásokat listázta.\n"
     "\n"
     "--mirror-os Korábban egy másik operációs rendszerhez tükrözte a\n"
     "termékverziókat.\n"
     "\n"
     "--install-system-only\n"
     "Korábban csak a Zarni Tenebrin rendszercsomagjait telepítette.\n"
     "\n"
     "--allow-kernel-install\n"
     "Korábban engedélyezte a kernelcsomagok telepítését.\n"
     "\n"
     "--disable-major-updates\n"
     "Korábban megakadályozta az új főkiadásra való frissítést. Helyette a\n"
     "--select-release-id vagy a --select-release-current kapcsolóval válassza ki\n"
     "a telepítendő kiadást.\n"
     "\n"
     "--upgrade-system-packages\n"
     "Korábban az operációs rendszer csomagjait is frissítette.\n"
     "\n"
     "--reinstall-patch Korábban újratelepítette a kiválasztott termékek legújabb\n"
     "javítását. A parancsalapú felület ugyanígy figyelmen kívül hagyja a --repatch\n"
     "kapcsolót.\n"
     "\n"
     "--skip-patch Korábban kihagyta a javítások telepítését. A parancsalapú felület\n"
     "ugyanígy figyelmen kívül hagyja.\n"
     "\n"
     "--no-space-check Korábban kihagyta a szabad lemezterület ellenőrzését.\n"
     "\n"},
    {"usage_end", "A parancsalapú felületről az „installer help” paranccsal kaphat tájékoztatást.\n"},
    {"usage_commands",
     "Használat: installer COMMAND [OPTIONS]\n"
     "\n"
     "Parancsok:\n"
     "list Az elérhető termékek, kiadások, előbeállítások és összetevők listázása\n"
     "list-all Az összes elérhető termék és kiadásaik listázása\n"
     "install Egy termékkiadás telepítése\n"
     "update A telepített termékek legújabb frissítéseinek telepítése\n"
     "add Összetevők hozzáadása egy telepített termékhez\n"
     "remove Összetevők eltávolítása egy telepített termékből\n"
     "upgrade Egy telepített termék frissítése másik kiadásra\n"
     "stop A futó Zarni Installer segédprogram leállítása\n"
     "version A Zarni Installer segédprogram verziójának megjelenítése\n"
     "help Súgó megjelenítése egy parancsról\n"
     "\n"
     "Egy adott parancs súgójához lásd: „installer help COMMAND”.\n"
     "A kapcsolóalapú felület súgójához lásd: „installer --help-options”.\n"},
    {"usage_cmd_prefix", "Használat: installer "},
    {"usage_cmd_version", "A Zarni Installer segédprogram verziójának megjelenítése."},
    {"usage_cmd_help", "COMMAND nélkül a parancsok listázása. COMMAND megadásával az adott parancs\nsúgójának megjelenítése; további kapcsolókért adja hozzá a --verbose (-v)\nkapcsolót."},
    {"usage_cmd_list_all", "Az összes elérhető termék és kiadásaik listázása."},
    {"usage_cmd_list",
     "Az elérhető termékek és kiadások listázása. Pontos kiadás esetén\n"
     "(kiadásazonosító, vagy termékazonosító és verzió) a telepítési előbeállítások\n"
     "(--presets), az összetevők (--components, a beállításaikkal, ha a --options is\n"
     "meg van adva) vagy a rendszer csomagkezelőjének hozzá tartozó konfigurációja\n"
     "(--sources) listázása."},
    {"usage_cmd_install",
     "Egy termékkiadás telepítése. Választók nélkül a Zarni legújabb elérhető\n"
     "kiadása települ. Az összetevőket egy előbeállítással (--preset, amelyet a --with\n"
     "és a --without módosít) választhatja ki, vagy megnevezheti őket a --components\n"
     "kapcsolóval."},
    {"usage_cmd_upgrade",
     "Egy telepített termék frissítése másik kiadásra. A kiadást a kiadásazonosítóval,\n"
     "egy termékazonosítóval és egy verzióval, vagy egy termékazonosítóval és egy\n"
     "szinttel (ekkor a szint legújabb kiadása lesz kiválasztva) adhatja meg. Pontos\n"
     "kiadás nélkül az elérhető kiadások listája jelenik meg."},
    {"usage_cmd_update",
     "Az összes telepített termék vagy csak a PRODUCT legújabb frissítéseinek\n"
     "telepítése, másik kiadásra való frissítés nélkül."},
    {"usage_cmd_add", "Összetevők hozzáadása egy telepített termékhez."},
    {"usage_cmd_remove", "Összetevők eltávolítása egy telepített termékből."},
    {"usage_cmd_add_remove_tail", "A PRODUCT elhagyható, ha csak egy termék van telepítve.\n"},
    {"usage_cmd_stop",
     "A futó Zarni Installer segédprogram leállítása. A következő biztonságos ponton\n"
     "áll le; a --terminate kapcsolóval a csomagok telepítése közben is leáll."},
    {"usage_components",
     "A COMPONENTS összetevő-azonosítók listája. Szóközzel vagy vesszővel válassza el\n"
     "őket, vagy ismételje meg a kapcsolót:\n"
     " --components panel horde\n"
     "--components panel,horde\n"
     "--components panel --components horde\n"},
    {"usage_verbose", "További kapcsolók: „--verbose” („-v”), az összes kapcsoló: „--verbose=2”."},
    {"usage_hdr_command_opts", "Parancskapcsolók"},
    {"usage_hdr_general_opts", "Általános kapcsolók"},
    {"usage_hdr_download_opts", "Letöltési kapcsolók"},
    {"usage_hdr_proxy_opts", "Proxykapcsolók"},
    {"usage_hdr_skip_opts", "Lépések kihagyására szolgáló kapcsolók"},
    {"usage_hdr_env_opts", "Az operációs rendszert felülbíráló kapcsolók"},
    {"usage_opt_source", "Telepítési forrás: a frissítési kiszolgáló vagy egy tükör URL-címe, vagy egy helyi könyvtár abszolút elérési útja"},
    {"usage_opt_target", "A letöltött fájlok könyvtára"},
    {"usage_opt_tries", "Egy sikertelen letöltés újrapróbálkozásainak száma (alapértelmezés: 3)"},
    {"usage_opt_ext", "A termék által megadott helyett használandó Extensions Catalog URL-címe"},
    {"usage_opt_proxy_host", "A proxykiszolgáló állomásneve vagy IP-címe"},
    {"usage_opt_proxy_port", "A proxykiszolgáló portja (alapértelmezés: 3128)"},
    {"usage_opt_proxy_user", "Felhasználónév a proxyhitelesítéshez"},
    {"usage_opt_proxy_pass", "Jelszó a proxyhitelesítéshez"},
    {"usage_opt_skip_examine", "Az összetevők és a termék ellenőrzéseinek kihagyása a telepítés előtt és után"},
    {"usage_opt_skip_gpg", "A csomagok GPG-aláírásainak ellenőrzése nélkül"},
    {"usage_opt_skip_cleanup", "A csomagtárolók konfigurációjának megtartása a telepítő kilépésekor"},
    {"usage_opt_no_self_upgrade", "A Zarni Installer segédprogram ne cserélje le magát újabb vagy régebbi verziójára"},
    {"usage_opt_help", "A parancs súgójának megjelenítése"},
    {"usage_opt_xml", "A válaszok és állapotüzenetek kiírása XML-formátumban"},
    {"usage_opt_debug", "Hibakeresési adatok írása a naplófájlba"},
    {"usage_opt_truncate_log", "A Zarni Installer segédprogram naplófájljának kiürítése induláskor"},
    {"usage_opt_separate_log", "Külön naplófájl írása a Zarni Installer segédprogram minden futtatásához"},
    {"usage_opt_email", "Amikor a Zarni Installer segédprogram befejeződik, jelentés küldése az eredményről erre az e-mail-címre"},
    {"usage_opt_verbose", "Több kapcsoló megjelenítése a súgóban: 1 további kapcsolókért, 2 az összesért"},
    {"usage_opt_completion", "A parancs kapcsolóinak kiírása a parancsértelmező kiegészítéséhez (JSON)"},
    {"usage_opt_override_os_name", "Az észlelt helyett használandó operációsrendszer-név"},
    {"usage_opt_override_os_vendor", "Az észlelt helyett használandó operációsrendszer-gyártó"},
    {"usage_opt_override_os_version", "Az észlelt helyett használandó operációsrendszer-verzió"},
    {"usage_opt_override_os_arch", "Az észlelt helyett használandó architektúra"},
    {"usage_opt_override_env", "Az észlelt helyett használandó környezet: „dedicated” vagy „cq”"},
    {"usage_opt_list_presets", "A kiadás telepítési előbeállításainak listázása"},
    {"usage_opt_list_components", "A kiadás összetevőinek listázása"},
    {"usage_opt_list_options", "A --components kapcsolóval együtt minden összetevő beállításainak megjelenítése is"},
    {"usage_opt_dry_run", "Semmi módosítása; csak azoknak a csomagoknak a megjelenítése, amelyek telepítve [I], frissítve [U] vagy eltávolítva [R] lennének"},
    {"usage_opt_install_preset", "Ennek az előbeállításnak (telepítési típusnak) az összetevőit telepíti, például „Recommended” vagy „Full”"},
    {"usage_opt_install_with", "Az előbeállításon felül telepítendő összetevők"},
    {"usage_opt_install_without", "Az előbeállítás nem telepítendő összetevői"},
    {"usage_opt_install_components", "Telepítendő összetevők előbeállítás helyett"},
    {"usage_opt_install_options", "Összetevő-beállítások, mindegyik name=value alakban"},
    {"usage_opt_update_panel_only", "Csak magának a Zarni terméknek a frissítéseit telepíti, a Zarni által kezelt többi szolgáltatásét nem"},
    {"usage_opt_addremove_components", "Hozzáadandó vagy eltávolítandó összetevők"},
    {"usage_opt_stop_terminate", "A Zarni Installer segédprogram leállítása a csomagok telepítése közben is (SIGHUP helyett SIGTERM küldése)"},
    {"error_supp_need", "Megoldást a Zarni támogatási webhelyén kereshet: https://support.zarni.example/"},
    {"os_win2003_not_supported", "A Zarni már nem támogatja a Windows Server 2003 rendszert. A Zarni életciklus-szabályzata (https://www.zarni.example/legal/lifecycle-policy/) szerint az operációs rendszer újabb verziójának használatát javasoljuk."},
    {"os_win2008_not_supported_product_installed", "A Zarni már nem támogatja a Windows Server 2008 rendszert. A Zarni életciklus-szabályzata (https://www.zarni.example/legal/lifecycle-policy/) szerint az operációs rendszer újabb verziójának használatát javasoljuk. Ha a Zarni terméket támogatott operációs rendszert futtató kiszolgálóra szeretné áthelyezni, kövesse az áttelepítési útmutatót (https://www.zarni.example/en/121368)."},
    {"os_win2008_not_supported_product_not_installed", "A Zarni már nem támogatja a Windows Server 2008 rendszert. A Zarni életciklus-szabályzata (https://www.zarni.example/legal/lifecycle-policy/) szerint az operációs rendszer újabb verziójának használatát javasoljuk."},
    {"os_win2008r2_not_supported_product_installed", "A Zarni már nem támogatja a Windows Server 2008 R2 rendszert. A Zarni életciklus-szabályzata (https://www.zarni.example/legal/lifecycle-policy/) szerint az operációs rendszer újabb verziójának használatát javasoljuk. Ha a Zarni terméket támogatott operációs rendszert futtató kiszolgálóra szeretné áthelyezni, kövesse az áttelepítési útmutatót (https://www.zarni.example/en/121368)."},
    {"os_win2008r2_not_supported_product_not_installed", "A Zarni már nem támogatja a Windows Server 2008 R2 rendszert. A Zarni életciklus-szabályzata (https://www.zarni.example/legal/lifecycle-policy/) szerint az operációs rendszer újabb verziójának használatát javasoljuk."},
};

}  // namespace

void loadInstallerMessages_hu_HU(Messages::messages_rep& catalogue)
{
    loadMessageTable(catalogue, kTable);
}

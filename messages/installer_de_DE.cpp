// German texts of the installer messages: program name, help pages, wizard, progress and status texts.
#include "messages/MessageLoaders.h"

namespace {

const MessagePair kTable[] = {
    {"Kitwright", "Zarni Installer"},
    {"usage_cmd_list_tail", "Beispiele:\n  Verfügbare Produkte auflisten:\n    list\n  Neueste verfügbare Zarni-Versionen mit den Standardstufen auflisten:\n    list %1%\n  Alle verfügbaren Zarni-Versionen auflisten:\n    list %1% all\n  Neueste verfügbare Vorabversion von Zarni anzeigen (mit der Stufe 'testing'):\n     list %1% testing\n  Komponenten von Zarni %2% auflisten (nach Produkt-ID und Version ausgewählt):\n     list %1% %2% --components\n  Installationsvorgaben von Zarni %2% auflisten (nach Versions-ID ausgewählt):\n     list %3% --presets\n"},
    {"usage_cmd_install_tail", "Beispiele:\n  Die empfohlenen Komponenten der neuesten allgemein verfügbaren Version von\n  Zarni installieren:\n   install\n  Neueste verfügbare Vorabversion von Zarni installieren:\n   install testing\n  Zarni %2% installieren (nach Version ausgewählt):\n   install %1% %2%\n  Alle Zarni-Komponenten ohne Java-Unterstützung und ohne Horde-Webmail\n  installieren (Version nach ID ausgewählt):\n   install %3% --preset Full --without java horde\n"},
    {"usage_cmd_upgrade_tail", "Beispiele:\n  Upgrade auf Zarni %2% (nach Produkt-ID und Version ausgewählt):\n     upgrade %1% %2%\n  Upgrade auf Zarni %2% (nach Versions-ID ausgewählt):\n     upgrade %3%\n  Upgrade auf die neueste verfügbare stabile Zarni-Version:\n     upgrade %1% stable\n"},
    {"usage_cmd_update_tail", "Beispiele:\n  Neueste verfügbare Updates für alle installierten Produkte installieren:\n     update\n  Zarni-Installation aktualisieren:\n     update %1%\n  Nur Zarni-Updates installieren, andere von Zarni verwaltete Dienste nach\n  Möglichkeit nicht aktualisieren (nur für das Produkt '%1%' anwendbar):\n     update --panel-only\n"},
    {"usage_selector", "Jeder SELECTOR ist eines der folgenden:\n  Produkt-ID (z.B. '%1%')\n  Stufe der Version (z.B. 'stable' oder 'all' für keinen Stufenfilter)\n  Versionsnummer (z.B. '%2%')\n  Versions-ID (z.B. '%3%')\n\nMit dem Befehl 'list' können Sie prüfen, welche Selektoren gültig sind.\n"},
    {"usage_product", "PRODUCT ist ein Selektor der Produkt-ID, z.B. '%1%'.\nMit dem Befehl 'list' können Sie prüfen, welche Produkt-IDs gültig sind.\n"},
    {"download_file", "Datei wird heruntergeladen: "},
    {"download_total_progress", "(%s von %s) "},
    {"download_retry_progress", " (Wiederholung %s von %s)"},
    {"download_retry", "%s. Neuer Versuch in %s Sekunde(n)..."},
    {"progress_stage_init", "Zarni Installer wurde gestartet"},
    {"progress_stage_prep", "System wird vorbereitet"},
    {"progress_stage_resolv", "Pakete werden aufgelöst"},
    {"progress_stage_download", "Pakete werden heruntergeladen"},
    {"dpkg_register_new_arch", "Unterstützung der Architektur %s wird registriert"},
    {"examine_unpassed", "Die Prüfung der Komponenten und des Produkts hat mindestens ein wichtiges Problem gefunden:"},
    {"examine_post_results", "Ergebnisse der Prüfung der Komponenten und des Produkts:"},
    {"examine_signal", "Die Prüfung wurde durch das Signal %s beendet."},
    {"examine_time_limit", "Die Prüfung wurde nicht innerhalb von %s Sekunden abgeschlossen und wurde angehalten."},
    {"check_system_packages", "Installierte Pakete werden geprüft... "},
    {"read_system_packages", "Informationen über die installierten Pakete werden abgerufen... "},
    {"status_not_locked", "Zarni Installer wird nicht ausgeführt."},
    {"status_locked_by_another", "Der Update-Vorgang wurde von einem anderen Update-Prozess gesperrt."},
    {"status_daemon_launched", "Der Daemon von Zarni Installer wurde gestartet."},
    {"status_busy", "Eine andere Instanz von Zarni Installer wird bereits ausgeführt."},
    {"error_sys_stable", "Es wurden nicht alle Pakete installiert."},
    {"error_sys_unsure", "Warnung! Es wurden nicht alle Pakete installiert.\nPrüfen Sie, ob Ihre Systemdienste funktionsfähig sind."},
    {"error_sys_broken", "Achtung! Ihre Software ist möglicherweise nicht funktionsfähig."},
    {"error_rep_none", ""},
    {"error_rep_again", "Versuchen Sie später erneut, die Pakete zu installieren."},
    {"error_supp_none", "Beheben Sie dieses Problem und versuchen Sie erneut, die Pakete zu installieren."},
    {"components_allready_installed", "Die neueste Version der Produkte und alle ausgewählten Komponenten sind bereits installiert. Die Installation wird nicht fortgesetzt."},
    {"releases_no_avail", "Die Installation wird nicht fortgesetzt, weil Ihr Betriebssystem\n\"%s\" nicht unterstützt wird.\n\nDie vollständige Liste der unterstützten Betriebssysteme finden Sie\nin den Versionshinweisen von Zarni.\n"},
    {"insttypes_page_hdr1", "Wählen Sie den Installationstyp für %s"},
    {"components_page_body2", "Wählen Sie die Komponenten von %s, die Sie installieren möchten:"},
    {"components_page_num_selected", "%s von %s Komponenten ausgewählt"},
    {"options_page_body2", "Die Parameter von %s Komponenten müssen angegeben werden.\n"},
    {"options_page_body5", " Komponente '%s': Alle erforderlichen Parameter wurden festgelegt.\n"},
    {"packages_page_body_install", "Es gibt %s Pakete, die das Produkt benötigt, um richtig zu funktionieren, und\ndie auf Ihrem System nicht gefunden wurden.\n"},
    {"packages_page_body_upgrade", "Es gibt %s Pakete, für die ein Upgrade erforderlich ist,\num das Produkt zu installieren.\n"},
    {"packages_page_body_remove", "Es gibt %s Pakete, die installiert sind, aber entfernt werden.\n"},
    {"install_start", "Änderungen werden auf das System angewendet"},
    {"install_ok", "Die Änderungen wurden erfolgreich angewendet."},
    {"err_send_mail", "Warnung: Der Installationsbericht konnte nicht per E-Mail gesendet werden."},
    {"err_read_prodsinfo", "Die Produktinformationen konnten nicht gelesen werden aus der Datei "},
    {"warn_deprecated_option", "WARNUNG: Die Befehlszeilenoption '%s' ist veraltet und wird ignoriert."},
    {"err_chk_md5", "Die Prüfsumme konnte nicht berechnet werden für die Datei "},
    {"new_build_avail", "Warnung: Auf dem Server ist ein neuer Build des Produkts verfügbar."},
    {"added_comps_by_deps", "Folgende Komponenten werden installiert, weil die von Ihnen ausgewählten Komponenten sie benötigen:"},
    {"removed_comps_by_deps", "Folgende Komponenten werden entfernt, weil sie mit den zur Installation ausgewählten Komponenten in Konflikt stehen oder die zum Entfernen ausgewählten Komponenten benötigen:"},
    {"err_dep_from_pkg_unresolved", "%s: Für die Abhängigkeit \"%s\" wurde\nkeine passende Lösung gefunden.\n"},
    {"err_pkg_downgrade", "Für das Paket '%s' ist kein Downgrade auf die Version %s möglich:\n  Derzeit ist die Version %s installiert."},
    {"err_pkg_clash", "Die Pakete \"%s\" und \"%s\" können nicht zugleich installiert werden"},
    {"err_pkg_fileconfl", "wegen des Konflikts mit der Datei \"%s\""},
    {"err_pkg_depconfl", "weil \"%s\" mit \"%s\" in Konflikt steht."},
    {"pkg_select_reason", "Das Paket \"%s\" wurde wegen folgender Abhängigkeiten ausgewählt:"},
    {"pkg_select_depend", "    \"%s\" von \"%s\""},
    {"deps_report_head", "Folgendes könnte das Scheitern der Installation verursachen:"},
    {"deps_long_report", "Es sind auch andere Probleme aufgetreten. Einzelheiten finden Sie\nin der Protokolldatei: %s.\n"},
    {"user_canceled", "Vom Benutzer unterbrochen"},
    {"goto_webinterface_url", "\nDie Weboberfläche ist jetzt gestartet.\n  Öffnen Sie %s in Ihrem Browser.\n\n"},
    {"upgrade_from_not_supported_versions", "Sie können %s nur auf %s oder eine frühere Version aktualisieren. Wenn Sie auf die neueste Version aktualisieren möchten, lesen Sie folgenden Artikel: %s"},
    {"stop_already_stopped", "Zarni Installer wird nicht ausgeführt."},
    {"stop_sent", "Das Beenden von Zarni Installer wurde angefordert."},
    {"download_completed", "bereits heruntergeladen"},
    {"download_done", "fertig"},
    {"download_all_done", "Alle Dateien wurden heruntergeladen."},
    {"download_ext_catalog_feed", "Feed des Extensions Catalog wird heruntergeladen..."},
    {"process_apt_get_update", "Der APT-Paketindex wird aktualisiert..."},
    {"question_continue", "Möchten Sie fortfahren?"},
    {"question_show_settings",
     "Die Ursache kann ein Problem mit der Installationsquelle, Ihrer Verbindung oder den Einstellungen des Installers sein.\n"
     "Der Installer wird wegen eines nicht behebbaren Fehlers beendet.\n"
     "Möchten Sie die aktuellen Einstellungen des Installers sehen und erfahren, wie Sie sie ändern?"},
    {"examine_presetup", "Die Komponenten und das Produkt werden vor der Installation geprüft"},
    {"examine_postsetup", "Die Komponenten und das Produkt werden nach der Installation geprüft"},
    {"examine_perform", "Die Komponenten und das Produkt werden geprüft..."},
    {"examine_skip_yesno",
     "Wenn Sie die Installation oder das Upgrade fortsetzen, ohne die gefundenen\n"
     "Probleme zu beheben, können Ihre Daten beschädigt werden.\n"},
    {"wizard_current_settings", "Aktuelle Einstellungen:"},
    {"yesno_retry", "Geben Sie Y für Ja und N für Nein ein."},
    {"message_press_enter", "(drücken Sie die Eingabetaste, um fortzufahren)"},
    {"releases_reporter_no_updates", "Es sind keine Updates verfügbar."},
    {"releases_reporter_list_empty", "Es sind keine Produkte zur Installation verfügbar."},
    {"releases_page_hdr", "Produkte und Versionen"},
    {"releases_page_body", "Folgende Produktversionen sind verfügbar:"},
    {"releases_no_selected", "Es wurde keine Produktversion ausgewählt."},
    {"releases_upgrade_request1", "Sie haben die Produktversion "},
    {"releases_upgrade_request2",
     " installiert.\n"
     "Möchten Sie ein Upgrade durchführen?"},
    {"wizard_legend_header", "Verfügbare Aktionen:"},
    {"wizard_legend_f_forward", "(F) Weiter"},
    {"wizard_legend_b_back", "(B) Zurück"},
    {"wizard_legend_q_quit", "(Q) Installation abbrechen"},
    {"wizard_legend_s_advanced_settings", "(S) Erweiterte Einstellungen anzeigen"},
    {"wizard_legend_a_select_all", "(A) Alle auswählen"},
    {"wizard_legend_d_deselect_all", "(D) Alle abwählen"},
    {"wizard_legend_f_forward_specify_params", "(F) Weiter und Parameter angeben"},
    {"wizard_legend_f_forward_skip_params", "(F) Weiter, ohne Parameter zu ändern"},
    {"wizard_legend_u_specify_undefined_params", "(U) Weiter und nur die nicht festgelegten Parameter angeben"},
    {"wizard_legend_r_redefine_params_all", "(R) Alle Parameter neu festlegen"},
    {"wizard_legend_r_redefine_params_one", "(R) Die Parameter dieser Komponente neu festlegen"},
    {"wizard_legend_s_show_packages", "(S) Liste der Pakete anzeigen"},
    {"wizard_prompt_action", "Wählen Sie eine Aktion"},
    {"wizard_prompt_action_retry", "Geben Sie eines der Zeichen aus der obigen Legende ein"},
    {"wizard_prompt_action_or_number", "Wählen Sie eine Aktion oder eine Nummer"},
    {"wizard_prompt_action_or_number_retry", "Geben Sie eine Nummer oder das Zeichen einer Aktion aus der obigen Legende ein"},
    {"wizard_prompt_number", "Wählen Sie eine Nummer"},
    {"wizard_prompt_number_retry", "Geben Sie eine der Nummern aus der obigen Liste ein"},
    {"hello_page_hdr", "Assistent für Installation und Upgrade von Zarni"},
    {"hello_page_body",
     "Dieser Assistent hilft Ihnen, Zarni zu installieren, auf eine neuere Version zu\n"
     "aktualisieren und Komponenten hinzuzufügen oder zu entfernen.\n"
     "\n"
     "------ WICHTIG ------\n"
     "\n"
     "* Sichern Sie Ihre Daten, bevor Sie ein Upgrade von Zarni durchführen oder\n"
     "  Komponenten entfernen.\n"
     "\n"
     "*\u00a0Unterbrechen Sie die Installation nicht, während Pakete installiert werden.\n"
     "\n"
     "*\u00a0Zarni wird unter der Zarni-Endbenutzer-Lizenzvereinbarung vertrieben. Lesen\n"
     "  Sie die Bedingungen unter https://www.zarni.example/terms-and-conditions/, bevor\n"
     "  Sie fortfahren: Mit der Installation von Zarni akzeptieren Sie sie. "},
    {"source_product_source", " Produkte installieren von: "},
    {"source_target_dir", " Heruntergeladene Dateien speichern in: "},
    {"source_from_zarni", "dem Update-Server von Zarni"},
    {"source_from_network", "dem Netzwerkspeicherort"},
    {"source_from_local", "dem lokalen Verzeichnis"},
    {"proxy_no_proxy", " Keinen Proxy verwenden"},
    {"proxy_no_auth", " Keine Proxy-Authentifizierung verwenden"},
    {"proxy_proxy_host", " HTTP-Proxy verwenden (Host:Port): "},
    {"proxy_auth", " Proxy-Authentifizierung verwenden, Benutzername: "},
    {"settings_download_retries", " Anzahl der Wiederholungen eines fehlgeschlagenen Downloads: "},
    {"settings_page_hdr", "Erweiterte Einstellungen"},
    {"settings_page_body",
     "Diese Einstellungen (Speicherort der Distributionspakete des Produkts, Speicher\n"
     "für heruntergeladene Dateien, Proxy-Einstellungen, Download-Einstellungen) können\n"
     "entweder in der Befehlszeile oder in der Konfigurationsdatei festgelegt werden.\n"
     "\n"
     " Befehlszeile                | Konfigurationsdatei       | Bedeutung\n"
     "-----------------------------+---------------------------+---------------------\n"
     " --source <URL oder Pfad>    | SOURCE=<URL oder Pfad>    | Installationsquelle\n"
     " --target <Verzeichnis>      | TARGET=<Verzeichnis>      | Download-Verzeichnis\n"
     " --proxy-host <Host>         | PROXY_HOST=<Host>         | Proxy-Host\n"
     " --proxy-port <Port>         | PROXY_PORT=<Port>         | Proxy-Port\n"
     " --proxy-user <Benutzer>     | PROXY_USER=<Benutzer>     | Proxy-Benutzer\n"
     " --proxy-password <Passwort> | PROXY_PASSWORD=<Passwort> | Proxy-Passwort\n"
     " --download-retry-count <N>  | DOWNLOAD_RETRY_COUNT=<N>  | Wiederholungen\n"
     "\n"
     "Argumente in der Befehlszeile haben Vorrang vor der Konfigurationsdatei. Der\n"
     "Installer liest die Konfigurationsdatei beim Start; schreiben Sie jede Einstellung\n"
     "in eine eigene Zeile, zum Beispiel PROXY_PORT=3128.\n"},
    {"settings_page_cfg", "Speicherort der Konfigurationsdatei des Installers: "},
    {"insttypes_page_hdr", "Installationstypen"},
    {"insttypes_page_body", "Ein Installationstyp ist eine vordefinierte Gruppe von Komponenten. Wählen Sie einen davon:"},
    {"components_page_hdr", "Liste der Hauptkomponenten"},
    {"components_page_hdr1", "Liste der Hauptkomponenten für "},
    {"components_page_body1", "Komponenten für das Produkt anzeigen:"},
    {"components_page_body3", "Wählen Sie die Komponenten, die Sie installieren möchten:"},
    {"components_page_bottom_toggle_components", "Geben Sie eine Nummer ein, um die entsprechende Komponente umzuschalten."},
    {"components_page_bottom_toggle_groups", "Geben Sie eine Nummer ein, um die entsprechende Komponente umzuschalten oder die Gruppe (mit <+> markiert) anzuzeigen."},
    {"components_toggle_also", "Um den Status dieser Komponente umzuschalten, müssen Sie außerdem"},
    {"components_install_also", "folgende Komponenten installieren oder aktualisieren: "},
    {"components_install_remove_them", "Möchten Sie das tun?"},
    {"components_remove_also", "folgende Komponenten entfernen: "},
    {"components_unmark_also", "folgende Komponenten abwählen: "},
    {"components_atleast_one", "Um fortzufahren, müssen Sie mindestens eine Komponente auswählen."},
    {"components_deny_implicit_remove", "Um diese Komponente oder Gruppe von Komponenten zu entfernen, müssen Sie zuerst die Komponenten entfernen, die nicht implizit entfernt werden können: "},
    {"components_group_toggle_also", "Um den Status dieser Komponenten umzuschalten, müssen Sie außerdem"},
    {"components_group_deny_conflict", "Der Status dieser Komponenten kann nicht umgeschaltet werden, weil dadurch die Abhängigkeiten folgender Komponenten verletzt würden: "},
    {"components_group_deny_conflict_suggestion", "Schalten Sie die Komponenten stattdessen einzeln um."},
    {"need_also_message", "Die ausgewählten Komponenten erfordern die Installation von Paketen aus folgenden Komponenten: \n"},
    {"need_also_remove_message", "Die ausgewählten Komponenten erfordern das Entfernen von Paketen aus folgenden Komponenten: \n"},
    {"options_page_hdr", "Parameter der Komponenten"},
    {"options_page_body1", " zur Installation ausgewählte Komponenten erfordern, dass Sie bestimmte Einstellungen angeben.\n"},
    {"options_page_body3", "Sie müssen jetzt alle erforderlichen Parameter angeben.\n"},
    {"options_page_body4", "Die Parameter all dieser Komponenten sind bereits festgelegt.\n"},
    {"packages_page_hdr", "Paketänderungen"},
    {"packages_no_reqpackages", "Es müssen keine Pakete installiert, aktualisiert oder entfernt werden."},
    {"install_remove", "Pakete werden entfernt: "},
    {"install_again", "Hinweis: Während Zarni Installer die Pakete installierte, wurde ein neuer Build des Produkts veröffentlicht.\nMöchten Sie ihn installieren?"},
    {"install_install_package", "Pakete werden installiert: "},
    {"checking_comps_status", "Installierte Produktkomponenten werden erkannt."},
    {"checking_deps", "Paketabhängigkeiten werden geprüft..."},
    {"err_set_proxyvar", "Warnung: Die Proxy-Umgebungsvariable für den Paketmanager konnte nicht gesetzt werden."},
    {"err_no_librpm", "Fehler: librpm, die Bibliothek zum Lesen der RPM-Paketdatenbank, kann nicht geladen werden."},
    {"err_no_pagers", "Warnung: Weder das Programm 'less' noch 'more' wurde gefunden."},
    {"installling_pkgs", "Pakete werden installiert"},
    {"installing_pkglist", "Folgende Pakete werden installiert:"},
    {"warn_apt_cdrom_in_source",
     "Warnung: Ihre APT-Quellenliste enthält eine CD/DVD-Quelle. Zarni Installer kann\n"
     "anhalten und auf den Datenträger warten. Wenn er nicht verfügbar ist, entfernen\n"
     "Sie die cdrom-Zeilen aus /etc/apt/sources.list und den Dateien in\n"
     "/etc/apt/sources.list.d/ und führen Sie die Installation erneut aus."},
    {"retype_password", "Passwort erneut eingeben: "},
    {"webinterface_exit_by_timeout", " Zarni Installer wurde nach längerer Inaktivität geschlossen."},
    {"ask_customer_feedback", "Möchten Sie helfen, Zarni zu verbessern, indem Sie den Zarni-Entwicklern\nFehlerberichte senden, wenn ein Problem auftritt?"},
    {"press_enter_to_exit", "Drücken Sie die EINGABETASTE, um das Programm zu beenden ..."},
    {"comps_no_options", "Keine der aufgeführten Komponenten hat Einstellungen."},
    {"options_select_all_IPs", "Alle IP-Adressen auswählen"},
    {"searching_need_pkgs", "Die benötigten Pakete werden gesucht..."},
    {"confirm_uninstallation", "Möchten Sie %s und alle zugehörigen Komponenten wirklich entfernen?"},
    {"confirm_uninstallation_title", "Entfernen von %s"},
    {"cancel_uninstallation", "Entfernen abbrechen"},
    {"error_supp_maybe", "Beheben Sie dieses Problem und versuchen Sie erneut, die Pakete zu installieren.\nEine Lösung finden Sie möglicherweise auf der Support-Website von Zarni unter https://support.zarni.example/"},
    {"usage_header",
     "Verwendung: installer [OPTIONEN]\n"
     "\n"
     "Der Zarni-Installer installiert, aktualisiert und entfernt Zarni-Produkte und\n"
     "ihre Komponenten. Ohne Optionen gestartet, öffnet er den interaktiven\n"
     "Assistenten in der Konsole.\n"
     "\n"},
    {"usage_download",
     " Download-Optionen:\n"
     "     --source <URL oder absoluter Pfad>\n"
     "                         Die Produkte vom angegebenen Update-Server oder Mirror\n"
     "                         oder aus einem lokalen Verzeichnis beziehen.\n"
     "                         Beispielwerte:\n"
     "                          http://updates.zarni.example/\n"
     "                          http://mirror.zarni.example/zarni/\n"
     "                          /root/kestavine/mirror/\n"
     "\n"
     "     --target <dir>         Die heruntergeladenen Dateien im angegebenen\n"
     "                         Verzeichnis speichern.\n"
     "                         Beispielwert:\n"
     "                          /root/kestavine\n"
     "\n"
     "     --download-retry-count <Zahl>\n"
     "                         Wie oft ein fehlgeschlagener Download wiederholt wird\n"
     "                         (Standard: 3).\n"
     "\n"},
    {"usage_proxy",
     " Proxy-Optionen:\n"
     "    --proxy-host <host>  Hostname oder IP-Adresse des Proxy-Servers.\n"
     "\n"
     "    --proxy-port <port>  Port des Proxy-Servers (Standard: 3128).\n"
     "\n"
     "    --proxy-user <user>  Benutzername für die Proxy-Authentifizierung.\n"
     "\n"
     "    --proxy-password <password>\n"
     "                         Passwort für die Proxy-Authentifizierung.\n"
     "\n"},
    {"usage_selectors",
     " Optionen zur Auswahl von Produkt und Version:\n"
     "    --select-product-id <produkt-id>\n"
     "                         Das Produkt auswählen, auf das sich die folgenden\n"
     "                         Optionen beziehen. Wählen Sie die Version des Produkts\n"
     "                         mit einer dieser Optionen:\n"
     "                          --select-release-id, --select-release-latest,\n"
     "                          --select-release-current\n"
     "\n"
     "    --select-release-id <versions-id>\n"
     "                         Die Version mit der angegebenen ID auswählen.\n"
     "\n"
     "    --select-release-latest\n"
     "                         Die neueste verfügbare Version des Produkts auswählen.\n"
     "\n"
     "    --select-release-current\n"
     "                         Die installierte Version des Produkts auswählen.\n"
     "\n"
     "    --tier <Stufen>      Nur die Versionen der angegebenen Stufen anbieten, als\n"
     "                         kommagetrennte Liste wie stable,testing. Standard ist\n"
     "                         \"stable,release,current\".\n"
     "\n"
     "    --all-versions        Die Versionen nicht nach Stufe filtern. Mit dieser\n"
     "                         Option bietet der Installer die Versionen aller Stufen\n"
     "                         an, einschließlich der Vorabversionen.\n"
     "\n"},
    {"usage_install",
     " Installationsoptionen:\n"
     "--installation-type <Typenname> Die Komponenten des angegebenen\n"
     "Installationstyps (zum Beispiel 'Recommended' oder 'Full') der ausgewählten\n"
     "Produktversion installieren.\n"
     "Beispiele:\n"
     "1) die empfohlenen Komponenten des neuesten Zarni:\n"
     "--select-product-id zarni --select-release-latest \\\n"
     "--installation-type Recommended\n"
     "2) alle Komponenten der Zarni-Version ZARNI_12_5_30:\n"
     "--select-product-id zarni \\\n"
     "--select-release-id ZARNI_12_5_30 \\\n"
     "--installation-type Full\n"
     "\n"
     "--install-component <Komponenten-ID> Die angegebene Komponente der ausgewählten\n"
     "Produktversion installieren. Wiederholen Sie die Option, um mehrere Komponenten\n"
     "zu installieren.\n"
     "Beispiele:\n"
     "1) Horde-Webmail zum installierten Zarni hinzufügen:\n"
     " --select-product-id zarni --select-release-current \\\n"
     "--install-component horde\n"
     "2) Zarni 12.5.30 mit dem Panel und Postfix installieren:\n"
     "--select-product-id zarni \\\n"
     "--select-release-id ZARNI_12_5_30 \\\n"
     "--install-component panel --install-component postfix\n"
     "\n"
     "--set-option <Name der Einstellung>=<Wert der Einstellung>\n"
     "Eine Komponenteneinstellung des Produkts festlegen, das mit dem vorangehenden\n"
     "--select-product-id angegeben ist. Wiederholen Sie die Option, um mehrere\n"
     "Einstellungen festzulegen.\n"
     "\n"},
    {"usage_remove",
     " Optionen zum Entfernen:\n"
     "    --remove-component <komponenten-id>\n"
     "                         Die angegebene Komponente des ausgewählten Produkts\n"
     "                         entfernen. Wiederholen Sie die Option, um mehrere\n"
     "                         Komponenten zu entfernen.\n"
     "                         Beispiele:\n"
     "                         1) Horde-Webmail aus Zarni entfernen:\n"
     "                          --select-product-id zarni --remove-component horde\n"
     "                         2) zwei Komponenten auf einmal entfernen:\n"
     "                          --select-product-id zarni \\\n"
     "                          --remove-component horde \\\n"
     "                          --remove-component postfix\n"
     "\n"
     "    --remove-everything  Alle Komponenten des ausgewählten Produkts entfernen,\n"
     "                         also das Produkt selbst.\n"
     "                         Beispiel (Zarni entfernen):\n"
     "                          --select-product-id zarni --remove-everything\n"
     "\n"
     "    --interactive-uninstall\n"
     "                         Zusammen mit --remove-everything vor dem Beenden des\n"
     "                         Zarni Installers auf die Eingabetaste warten.\n"
     "\n"},
    {"usage_upgrade",
     " Upgrade-Optionen:\n"
     "    --upgrade-installed-components\n"
     "                         Die installierten Komponenten des ausgewählten\n"
     "                         Produkts auf die ausgewählte Version aktualisieren.\n"
     "                         Beispiele:\n"
     "                         1) die neuesten Updates des installierten Zarni\n"
     "                         installieren:\n"
     "                          --select-product-id zarni --select-release-current \\\n"
     "                          --upgrade-installed-components\n"
     "                         2) Upgrade von Zarni auf die Version ZARNI_12_5_30:\n"
     "                          --select-product-id zarni \\\n"
     "                          --select-release-id ZARNI_12_5_30 \\\n"
     "                          --upgrade-installed-components\n"
     "\n"
     "    --include-components-from-class <class>\n"
     "                         Nur die installierten Komponenten des ausgewählten\n"
     "                         Produkts aktualisieren, die zur angegebenen Klasse\n"
     "                         gehören, zum Beispiel aspect=panel. Wiederholen Sie\n"
     "                         die Option, um mehrere Klassen anzugeben.\n"
     "\n"},
    {"usage_no_warn",
     " Optionen zur Prüfung der Komponenten:\n"
     "--skip-components-check Die Prüfungen der Komponenten und des Produkts vor und\n"
     "nach der Installation nicht ausführen. Zarni Installer führt diese Prüfungen\n"
     "aus, um Probleme zu finden, die Ihre Daten beschädigen könnten. Überspringen\n"
     "Sie sie daher nur, wenn Sie sicher sind, dass die Installation\n"
     "gefahrlos ist.\n"
     "\n"},
    {"usage_list",
     " Optionen zum Auflisten von Produkten, Versionen und Komponenten:\n"
     " --show-releases         Die verfügbaren Versionen des ausgewählten Produkts\n"
     "                         (Zarni, wenn kein Produkt ausgewählt ist) mit ihren\n"
     "                         Versions-IDs und Stufen auflisten. Zarni Installer\n"
     "                         listet nur die Versionen der Stufen \"stable\",\n"
     "                         \"release\" und \"current\" auf, außer wenn Sie\n"
     "                         --all-versions verwenden oder mit --tier andere Stufen\n"
     "                         angeben.\n"
     "\n"
     "    --show-all-releases    Alle verfügbaren Produkte und ihre Versionen\n"
     "                         auflisten.\n"
     "\n"
     "    --show-os-list           Die Betriebssysteme auflisten, für die die\n"
     "                         ausgewählte Version erstellt ist.\n"
     "\n"
     "    --show-installation-types\n"
     "                         Die Installationstypen der ausgewählten Version\n"
     "                         auflisten.\n"
     "\n"
     "    --show-components    Die Komponenten der ausgewählten Version auflisten und\n"
     "                         angeben, ob jede installiert ist, aktualisiert werden\n"
     "                         kann oder auf dem neuesten Stand ist. Verwenden Sie die\n"
     "                         angezeigten Komponenten-IDs mit --install-component und\n"
     "                         --remove-component.\n"
     "\n"
     "    --show-upgradable-components\n"
     "                         Nur die Komponenten auflisten, die aktualisiert werden\n"
     "                         können.\n"
     "\n"
     "    --show-options        Zusammen mit --show-components auch die Einstellungen\n"
     "                         jeder Komponente anzeigen. Nicht kombinierbar mit\n"
     "                         --show-upgradable-components.\n"
     "\n"
     "    --show-packages      Zusammen mit den Optionen für Installation, Upgrade\n"
     "                         oder Entfernen nur die Pakete anzeigen, die installiert\n"
     "                         [I], aktualisiert [U] oder entfernt [R] würden, ohne\n"
     "                         etwas zu ändern.\n"
     "\n"},
    {"usage_automation",
     " Optionen für die Automatisierung:\n"
     "    --enable-xml-output  Antworten und Statusmeldungen im XML-Format ausgeben,\n"
     "                         für Skripte und andere Programme. Eine Installation\n"
     "                         läuft dann im Hintergrund.\n"
     "\n"
     "    --query-status      Anzeigen, ob Zarni Installer ausgeführt wird, und wenn\n"
     "                         ja, in welcher Phase und bei welchem Schritt. Der\n"
     "                         Status der Antwort ist einer von:\n"
     "                           query_ok   - Zarni Installer wird nicht ausgeführt\n"
     "                           query_busy - Zarni Installer wird ausgeführt\n"
     "\n"
     "    --check-updates    Prüfen, ob Updates für das ausgewählte Produkt verfügbar\n"
     "                         sind (Zarni, wenn kein Produkt ausgewählt ist).\n"
     "                         Beispiel:\n"
     "                          --select-product-id zarni --check-updates\n"
     "\n"
     " --no-daemon          Mit --enable-xml-output im Vordergrund installieren und\n"
     "                         warten, bis die Installation endet.\n"
     "\n"},
    {"usage_web",
     " Optionen der Weboberfläche:\n"
     "    --web-interface      Den Installationsassistenten statt in der Konsole in\n"
     "                         einem Webbrowser ausführen. Der Assistent wird auf\n"
     "                         Port 8447 bereitgestellt.\n"
     "\n"
     "    --ssl-cert <file.pem>\n"
     "                         Datei mit dem Zertifikat und dem privaten Schlüssel für\n"
     "                         HTTPS. Standardmäßig wird ein selbstsigniertes\n"
     "                         Zertifikat erstellt.\n"
     "\n"
     "    --without-ssl        Die Weboberfläche über unverschlüsseltes HTTP\n"
     "                         bereitstellen.\n"
     "\n"},
    {"usage_override",
     " Optionen, die das erkannte Betriebssystem überschreiben:\n"
     "    --override-os-name <arg>\n"
     "                         Den angegebenen Namen des Betriebssystems statt des\n"
     "                         erkannten verwenden.\n"
     "\n"
     "    --override-os-vendor <arg>\n"
     "                         Den angegebenen Hersteller des Betriebssystems statt\n"
     "                         des erkannten verwenden.\n"
     "\n"
     "    --override-os-version <arg>\n"
     "                         Die angegebene Version des Betriebssystems statt der\n"
     "                         erkannten verwenden.\n"
     "\n"
     "    --override-os-arch <arg>\n"
     "                         Die angegebene Architektur statt der erkannten\n"
     "                         verwenden.\n"
     "\n"
     "    --override-environment <arg>\n"
     "                         Die angegebene Umgebung statt der erkannten verwenden:\n"
     "                         'dedicated' oder 'cq'.\n"
     "\n"},
    {"usage_console",
     " Optionen der interaktiven Konsolenoberfläche:\n"
     "     --no-clear           Den Bildschirm beim Wechsel zwischen den Seiten des\n"
     "                         Assistenten nicht löschen.\n"
     "\n"},
    {"usage_feedback",
     " Feedback-Optionen:\n"
     " --enable-feedback    Zarni Installer erlauben, den Zarni-Entwicklern einen\n"
     "                         Fehlerbericht zu senden, wenn ein Problem auftritt.\n"
     "\n"
     " --disable-feedback   Keine Fehlerberichte senden. Zarni Installer merkt sich\n"
     "                         die Auswahl für spätere Läufe.\n"
     "\n"},
    {"usage_logging",
     " Optionen für Protokoll und Benachrichtigung:\n"
     "    --notify-email <email>\n"
     "                         Wenn der Zarni-Installer fertig ist, einen Bericht über\n"
     "                         das Ergebnis an die angegebene E-Mail-Adresse senden.\n"
     "\n"
     "    --truncate-log      Die Protokolldatei des Zarni-Installers beim Start\n"
     "                         leeren.\n"
     "\n"
     "    --separate-logs     Für jeden Lauf des Zarni-Installers eine eigene\n"
     "                         Protokolldatei schreiben.\n"
     "\n"
     "    --debug                Debug-Informationen in die Protokolldatei schreiben.\n"
     "\n"},
    {"usage_help",
     " Hilfe- und Versionsoptionen des Zarni-Installers:\n"
     "--version Die Version von Zarni Installer anzeigen.\n"
     "--usage,\n"
     "--help Die Übersicht über die befehlsbasierte Oberfläche anzeigen.\n"
     "--help-options Diese Hilfe zur optionsbasierten Oberfläche anzeigen. "},
    {"usage_obsolete",
     " Überholte Optionen:\n"
     "    --disable-zarni-sys-updates\n"
     "                         Schaltete früher die mit Zarni ausgelieferten Updates\n"
     "                         des Betriebssystems ab. Sie wird weiterhin akzeptiert,\n"
     "                         ändert aber nicht mehr, was installiert wird.\n"
     "\n"
     "    --install-everything\n"
     "                         Alle Komponenten der ausgewählten Produktversion\n"
     "                         installieren. Verwenden Sie stattdessen\n"
     "                         --installation-type 'Full'.\n"
     "\n"
     "    --branch <tiers>     Dasselbe wie --tier.\n"
     "\n"
     "    --skip-branch-filter\n"
     "                         Dasselbe wie --all-versions.\n"
     "\n"},
    {"usage_deprecated",
     " Veraltete Optionen (akzeptiert, aber mit einer Warnung ignoriert):\n"
     "--source-type Legte früher den Typ der Installationsquelle fest. Der Typ wird\n"
     "jetzt am Wert von --source erkannt.\n"
     "\n"
     "--add-source  Fügte früher eine zusätzliche Paketquelle hinzu.\n"
     "\n"
     "--show-additional-source-types Listete früher die Typen zusätzlicher\n"
     "Paketquellen auf.\n"
     "\n"
     "--show-additional-sources Listete früher die zusätzlichen Paketquellen auf.\n"
     "\n"
     "--mirror-os Spiegelte früher Produktversionen für ein anderes Betriebssystem.\n"
     "\n"
     "--install-system-only Installierte früher nur die Systempakete von Zarni\n"
     "Tenebrin.\n"
     "\n"
     "--allow-kernel-install Erlaubte früher die Installation von Kernel-Paketen.\n"
     "\n"
     "--disable-major-updates Verhinderte früher Upgrades auf eine neue Hauptversion.\n"
     "Wählen Sie stattdessen die zu installierende Version mit --select-release-id\n"
     "oder --select-release-current.\n"
     "\n"
     "--upgrade-system-packages Aktualisierte früher auch die Pakete des\n"
     "Betriebssystems.\n"
     "\n"
     "--reinstall-patch Installierte früher den neuesten Patch der ausgewählten\n"
     "Produkte erneut. Die befehlsbasierte Oberfläche ignoriert --repatch auf\n"
     "dieselbe Weise.\n"
     "\n"
     "--skip-patch Übersprang früher die Installation von Patches. Die befehlsbasierte\n"
     "Oberfläche ignoriert sie auf dieselbe Weise.\n"
     "\n"
     "--no-space-check Übersprang früher die Prüfung des freien Speicherplatzes.\n"
     "\n"},
    {"usage_end",
     "Informationen zur befehlsbasierten Oberfläche erhalten Sie mit 'installer help'.\n"
     "Sollte dieser Befehl fehlschlagen, laden Sie die neueste Version des\n"
     "Zarni-Installers herunter: https://www.zarni.example/\n"},
    {"usage_commands",
     "Verwendung: installer BEFEHL [OPTIONEN]\n"
     "\n"
     "Befehle:\n"
     "list Verfügbare Produkte, Versionen, Vorgaben und Komponenten auflisten\n"
     "list-all Alle verfügbaren Produkte und ihre Versionen auflisten\n"
     "install Eine Produktversion installieren\n"
     "update Die neuesten Updates installierter Produkte installieren\n"
     "add Komponenten zu einem installierten Produkt hinzufügen\n"
     "remove Komponenten aus einem installierten Produkt entfernen\n"
     "upgrade Ein installiertes Produkt auf eine andere Version aktualisieren\n"
     "stop Einen laufenden Zarni Installer anhalten\n"
     "version Die Version von Zarni Installer anzeigen\n"
     "help Hilfe zu einem Befehl anzeigen\n"
     "\n"
     "Hilfe zu einem bestimmten Befehl erhalten Sie mit \"installer help BEFEHL\".\n"
     "Hilfe zur optionsbasierten Oberfläche: \"installer --help-options\".\n"},
    {"usage_cmd_prefix", "Verwendung: installer "},
    {"usage_cmd_version", "Die Version des Zarni-Installers anzeigen."},
    {"usage_cmd_help", "Ohne BEFEHL die Befehle auflisten. Mit BEFEHL die Hilfe zu diesem Befehl\nanzeigen; fügen Sie --verbose (-v) hinzu, um mehr seiner Optionen zu sehen."},
    {"usage_cmd_list_all", "Alle verfügbaren Produkte und ihre Versionen auflisten."},
    {"usage_cmd_list",
     "Verfügbare Produkte und Versionen auflisten. Für eine genaue Version (eine\n"
     "Versions-ID oder eine Produkt-ID und eine Versionsnummer) ihre\n"
     "Installationsvorgaben (--presets), ihre Komponenten (--components, mit deren\n"
     "Einstellungen, wenn --options hinzukommt) oder die Konfiguration des\n"
     "Systempaketmanagers dafür (--sources) auflisten."},
    {"usage_cmd_install",
     "Eine Produktversion installieren. Ohne Selektoren wird die neueste verfügbare\n"
     "Version von Zarni installiert. Wählen Sie die Komponenten mit einer Vorgabe\n"
     "(--preset, angepasst mit --with und --without) oder nennen Sie sie mit\n"
     "--components."},
    {"usage_cmd_upgrade",
     "Ein installiertes Produkt auf eine andere Version aktualisieren. Geben Sie die\n"
     "Version mit ihrer Versions-ID, mit einer Produkt-ID und einer Versionsnummer\n"
     "oder mit einer Produkt-ID und einer Stufe an (dann wird die neueste Version\n"
     "dieser Stufe genommen). Ohne genaue Version werden die verfügbaren Versionen\n"
     "aufgelistet."},
    {"usage_cmd_update",
     "Die neuesten Updates aller installierten Produkte oder nur von PRODUCT\n"
     "installieren, ohne ein Upgrade auf eine andere Version durchzuführen."},
    {"usage_cmd_add", "Komponenten zu einem installierten Produkt hinzufügen."},
    {"usage_cmd_remove", "Komponenten aus einem installierten Produkt entfernen."},
    {"usage_cmd_add_remove_tail", "PRODUCT kann weggelassen werden, wenn nur ein Produkt installiert ist.\n"},
    {"usage_cmd_stop",
     "Einen laufenden Zarni Installer anhalten. Er hält am nächsten sicheren Punkt an;\n"
     "mit --terminate hält er auch an, während Pakete installiert werden."},
    {"usage_components",
     "COMPONENTS ist eine Liste von Komponenten-IDs. Trennen Sie sie durch Leerzeichen\n"
     "oder Kommas oder wiederholen Sie die Option:\n"
     "     --components panel horde\n"
     "     --components panel,horde\n"
     "     --components panel --components horde\n"},
    {"usage_verbose", "Mehr Optionen mit '--verbose' (oder '-v'), alle Optionen mit '--verbose=2'."},
    {"usage_hdr_command_opts", "Befehlsoptionen"},
    {"usage_hdr_general_opts", "Allgemeine Optionen"},
    {"usage_hdr_download_opts", "Download-Optionen"},
    {"usage_hdr_proxy_opts", "Proxy-Optionen"},
    {"usage_hdr_skip_opts", "Optionen zum Überspringen von Schritten"},
    {"usage_hdr_env_opts", "Optionen zum Überschreiben des Betriebssystems"},
    {"usage_opt_source", "Installationsquelle: URL des Update-Servers oder eines Mirrors oder absoluter Pfad eines lokalen Verzeichnisses"},
    {"usage_opt_target", "Verzeichnis für heruntergeladene Dateien"},
    {"usage_opt_tries", "Anzahl der Wiederholungen eines fehlgeschlagenen Downloads (Standard: 3)"},
    {"usage_opt_ext", "URL des Extensions Catalog, der statt des vom Produkt genannten verwendet wird"},
    {"usage_opt_proxy_host", "Hostname oder IP-Adresse des Proxy-Servers"},
    {"usage_opt_proxy_port", "Port des Proxy-Servers (Standard: 3128)"},
    {"usage_opt_proxy_user", "Benutzername für die Proxy-Authentifizierung"},
    {"usage_opt_proxy_pass", "Passwort für die Proxy-Authentifizierung"},
    {"usage_opt_skip_examine", "Die Prüfungen der Komponenten und des Produkts vor und nach der Installation nicht ausführen"},
    {"usage_opt_skip_gpg", "Die GPG-Signaturen der Pakete nicht prüfen"},
    {"usage_opt_skip_cleanup", "Die Konfiguration der Paket-Repositorys beim Beenden des Installers beibehalten"},
    {"usage_opt_no_self_upgrade", "Den Zarni-Installer nicht durch eine neuere oder ältere Version seiner selbst ersetzen"},
    {"usage_opt_help", "Die Hilfe des Befehls anzeigen"},
    {"usage_opt_xml", "Antworten und Statusmeldungen im XML-Format ausgeben"},
    {"usage_opt_debug", "Debug-Informationen in die Protokolldatei schreiben"},
    {"usage_opt_truncate_log", "Die Protokolldatei des Zarni-Installers beim Start leeren"},
    {"usage_opt_separate_log", "Für jeden Lauf des Zarni-Installers eine eigene Protokolldatei schreiben"},
    {"usage_opt_email", "Wenn der Zarni-Installer fertig ist, einen Bericht über das Ergebnis an diese E-Mail-Adresse senden"},
    {"usage_opt_verbose", "Mehr Optionen in der Hilfe anzeigen: 1 für mehr Optionen, 2 für alle Optionen"},
    {"usage_opt_completion", "Die Optionen des Befehls für die Shell-Vervollständigung ausgeben (JSON)"},
    {"usage_opt_override_os_name", "Name des Betriebssystems, der statt des erkannten verwendet wird"},
    {"usage_opt_override_os_vendor", "Hersteller des Betriebssystems, der statt des erkannten verwendet wird"},
    {"usage_opt_override_os_version", "Version des Betriebssystems, die statt der erkannten verwendet wird"},
    {"usage_opt_override_os_arch", "Architektur, die statt der erkannten verwendet wird"},
    {"usage_opt_override_env", "Umgebung, die statt der erkannten verwendet wird: 'dedicated' oder 'cq'"},
    {"usage_opt_list_presets", "Die Installationsvorgaben der Version auflisten"},
    {"usage_opt_list_components", "Die Komponenten der Version auflisten"},
    {"usage_opt_list_options", "Mit --components auch die Einstellungen jeder Komponente anzeigen"},
    {"usage_opt_dry_run", "Nichts ändern; nur die Pakete anzeigen, die installiert [I], aktualisiert [U] oder entfernt [R] würden"},
    {"usage_opt_install_preset", "Die Komponenten dieser Vorgabe (Installationstyp) installieren, zum Beispiel 'Recommended' oder 'Full'"},
    {"usage_opt_install_with", "Komponenten, die zusätzlich zur Vorgabe installiert werden"},
    {"usage_opt_install_without", "Komponenten der Vorgabe, die nicht installiert werden"},
    {"usage_opt_install_components", "Zu installierende Komponenten, statt einer Vorgabe"},
    {"usage_opt_install_options", "Komponenteneinstellungen, jeweils als name=value angegeben"},
    {"usage_opt_update_panel_only", "Nur die Updates von Zarni selbst installieren, nicht die der anderen Dienste, die Zarni verwaltet"},
    {"usage_opt_addremove_components", "Hinzuzufügende oder zu entfernende Komponenten"},
    {"usage_opt_stop_terminate", "Den Zarni Installer auch dann anhalten, wenn gerade Pakete installiert werden (SIGTERM statt SIGHUP senden)"},
    {"error_supp_need", "Eine Lösung finden Sie möglicherweise auf der Support-Website von Zarni unter https://support.zarni.example/"},
    {"os_win2003_not_supported", "Windows Server\u00a02003 wird von Zarni nicht mehr unterstützt. Gemäß der Lebenszyklusrichtlinie von Zarni (https://www.zarni.example/legal/lifecycle-policy/) empfehlen wir, eine neuere Version des Betriebssystems zu verwenden."},
    {"os_win2008_not_supported_product_installed", "Windows Server\u00a02008 wird von Zarni nicht mehr unterstützt. Gemäß der Lebenszyklusrichtlinie von Zarni (https://www.zarni.example/legal/lifecycle-policy/) empfehlen wir, eine neuere Version des Betriebssystems zu verwenden. Um Zarni auf einen Server mit einem unterstützten Betriebssystem umzuziehen, folgen Sie der Migrationsanleitung (https://www.zarni.example/de/121368)."},
    {"os_win2008_not_supported_product_not_installed", "Windows Server\u00a02008 wird von Zarni nicht mehr unterstützt. Gemäß der Lebenszyklusrichtlinie von Zarni (https://www.zarni.example/legal/lifecycle-policy/) empfehlen wir, eine neuere Version des Betriebssystems zu verwenden."},
    {"os_win2008r2_not_supported_product_installed", "Windows Server\u00a02008 R2 wird von Zarni nicht mehr unterstützt. Gemäß der Lebenszyklusrichtlinie von Zarni (https://www.zarni.example/legal/lifecycle-policy/) empfehlen wir, eine neuere Version des Betriebssystems zu verwenden. Um Zarni auf einen Server mit einem unterstützten Betriebssystem umzuziehen, folgen Sie der Migrationsanleitung (https://www.zarni.example/de/121368)."},
    {"os_win2008r2_not_supported_product_not_installed", "Windows Server\u00a02008 R2 wird von Zarni nicht mehr unterstützt. Gemäß der Lebenszyklusrichtlinie von Zarni (https://www.zarni.example/legal/lifecycle-policy/) empfehlen wir, eine neuere Version des Betriebssystems zu verwenden."},
};

}  // namespace

void loadInstallerMessages_de_DE(Messages::messages_rep& catalogue)
{
    loadMessageTable(catalogue, kTable);
}

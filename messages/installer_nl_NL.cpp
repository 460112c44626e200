// Dutch texts of the installer messages.
// Loaded after the English table, so each text here replaces the English text of its key;
// the English-only keys are left out and keep their English texts.
#include "messages/MessageLoaders.h"

namespace {

const MessagePair kTable[] = {
    {"Kitwright", "Zarni Installer"},
    {"usage_cmd_list_tail",
     "Voorbeelden:\n"
     "   Beschikbare producten weergeven:\n"
     "   list\n"
     " Nieuwste beschikbare Zarni-releases met de standaardniveaus weergeven:\n"
     "   list %1%\n"
     " Alle beschikbare Zarni-releases weergeven:\n"
     "   list %1% all\n"
     " Nieuwste beschikbare previewrelease van Zarni weergeven (niveau 'testing'):\n"
     "   list %1% testing\n"
     " Componenten van Zarni %2% weergeven (geselecteerd op productkenmerk en versie):\n"
     "   list %1% %2% --components\n"
     " Installatiepresets van Zarni %2% weergeven (geselecteerd op release-kenmerk):\n"
     "   list %3% --presets\n"},
    {"usage_cmd_install_tail",
     "Voorbeelden:\n"
     " De aanbevolen set componenten van de nieuwste algemeen beschikbare release\n"
     " van Zarni installeren:\n"
     "   install\n"
     " De nieuwste beschikbare previewrelease van Zarni installeren:\n"
     "   install testing\n"
     " Zarni %2% installeren (geselecteerd op versie):\n"
     "   install %1% %2%\n"
     " De volledige set Zarni-componenten installeren zonder Java-ondersteuning en\n"
     " Horde-webmail (release geselecteerd op kenmerk):\n"
     "   install %3% --preset Full --without java horde\n"},
    {"usage_cmd_upgrade_tail",
     "Voorbeelden:\n"
     " Upgraden naar Zarni %2% (geselecteerd op productkenmerk en versie):\n"
     "   upgrade %1% %2%\n"
     " Upgraden naar Zarni %2% (geselecteerd op release-kenmerk):\n"
     "   upgrade %3%\n"
     " Upgraden naar de nieuwste beschikbare stabiele Zarni-release:\n"
     "   upgrade %1% stable\n"},
    {"usage_cmd_update_tail",
     "Voorbeelden:\n"
     " De nieuwste beschikbare updates voor alle geïnstalleerde producten installeren:\n"
     "   update\n"
     " De Zarni-installatie bijwerken:\n"
     "   update %1%\n"
     " Alleen Zarni-updates installeren en andere services die Zarni beheert zo\n"
     " mogelijk niet bijwerken (alleen voor het product '%1%'):\n"
     "   update --panel-only\n"},
    {"usage_selector",
     "Elke SELECTOR is een van de volgende:\n"
     " productkenmerk, bijv. '%1%'\n"
     " releaseniveau,  bijv. 'stable' of 'all' voor geen niveaufilter\n"
     " releaseversie,   bijv. '%2%'\n"
     " release-kenmerk, bijv. '%3%'\n"
     "\n"
     "Gebruik de opdracht 'list' om te controleren welke selectors geldig zijn.\n"},
    {"usage_product",
     "PRODUCT is een selector voor een productkenmerk, bijv. '%1%'.\n"
     "Gebruik de opdracht 'list' om te controleren welke productkenmerken geldig zijn.\n"},
    {"download_file", "Bestand downloaden "},
    {"download_total_progress", "(%s van %s) "},
    {"download_retry_progress", " (nieuwe poging %s van %s)"},
    {"download_retry", "%s. Nieuwe poging over %s seconde(n)..."},
    {"progress_stage_init", "Zarni Installer is gestart"},
    {"progress_stage_prep", "Het systeem voorbereiden"},
    {"progress_stage_resolv", "Pakketten oplossen"},
    {"progress_stage_download", "Pakketten downloaden"},
    {"dpkg_register_new_arch", "Ondersteuning voor de architectuur %s registreren"},
    {"examine_unpassed", "De validatie van componenten en product heeft minstens één belangrijk probleem gevonden:"},
    {"examine_post_results", "Resultaten van de controle van componenten en product:"},
    {"examine_signal", "De controle is beëindigd door het signaal %s."},
    {"examine_time_limit", "De controle is niet binnen %s seconden voltooid en is gestopt."},
    {"check_system_packages", "Geïnstalleerde pakketten controleren... "},
    {"read_system_packages", "Informatie over de geïnstalleerde pakketten ophalen... "},
    {"status_not_locked", "Zarni Installer wordt momenteel niet uitgevoerd."},
    {"status_locked_by_another", "De updatebewerking is vergrendeld door een ander updateproces."},
    {"status_daemon_launched", "De daemon van Zarni Installer is gestart."},
    {"status_busy", "Er wordt al een ander exemplaar van Zarni Installer uitgevoerd."},
    {"error_sys_stable", "Niet alle pakketten zijn geïnstalleerd."},
    {"error_sys_unsure", "Waarschuwing! Niet alle pakketten zijn geïnstalleerd.\nControleer of uw systeemservices werken."},
    {"error_sys_broken", "Let op! Uw software werkt mogelijk niet."},
    {"error_rep_none", ""},
    {"error_rep_again", "Probeer de pakketten later opnieuw te installeren."},
    {"error_supp_none", "Los dit probleem op en probeer de pakketten opnieuw te installeren."},
    {"components_allready_installed", "U hebt de nieuwste versie van de producten en alle geselecteerde componenten al geïnstalleerd. De installatie wordt niet voortgezet."},
    {"releases_no_avail",
     "De installatie wordt niet voortgezet omdat uw besturingssysteem\n"
     "\"%s\" niet wordt ondersteund.\n"
     "\n"
     "Zie de release notes van Zarni voor de volledige lijst\n"
     "met ondersteunde besturingssystemen.\n"},
    {"insttypes_page_hdr1", "Selecteer het installatietype voor %s"},
    {"components_page_body2", "Selecteer de componenten van %s die u wilt installeren:"},
    {"components_page_num_selected", "%s van %s componenten geselecteerd"},
    {"options_page_body2", "De parameters voor %s componenten moeten worden opgegeven.\n"},
    {"options_page_body5",
     "\n"
     "Component '%s': alle vereiste parameters zijn gedefinieerd.\n"},
    {"packages_page_body_install",
     "Er zijn %s pakketten nodig om het product goed te laten werken die\n"
     "niet op uw systeem zijn gevonden.\n"},
    {"packages_page_body_upgrade",
     "Er zijn %s pakketten die een upgrade moeten krijgen\n"
     "om het product te installeren.\n"},
    {"packages_page_body_remove", "Er zijn %s pakketten geïnstalleerd die worden verwijderd.\n"},
    {"install_start", "Wijzigingen toepassen op het systeem"},
    {"install_ok", "De wijzigingen zijn toegepast."},
    {"err_send_mail", "Waarschuwing: het installatierapport kan niet per e-mail worden verzonden."},
    {"err_read_prodsinfo", "Kan de productinformatie niet lezen uit het bestand "},
    {"warn_deprecated_option", "WAARSCHUWING: de opdrachtregeloptie '%s' is vervallen en wordt genegeerd."},
    {"err_chk_md5", "Kan geen controlesom berekenen voor het bestand "},
    {"new_build_avail", "Waarschuwing: er is een nieuwe productbuild beschikbaar op de server."},
    {"added_comps_by_deps", "De volgende componenten worden geïnstalleerd omdat de geselecteerde componenten ze nodig hebben:"},
    {"removed_comps_by_deps", "De volgende componenten worden verwijderd omdat ze in strijd zijn met de componenten die u wilt installeren, of de componenten nodig hebben die u wilt verwijderen:"},
    {"err_dep_from_pkg_unresolved",
     "%s: er zijn geen geschikte oplossingen gevonden\n"
     "voor de afhankelijkheid \"%s\".\n"},
    {"err_pkg_downgrade", "Kan het pakket '%s' niet downgraden naar versie %s:\nversie %s is momenteel geïnstalleerd."},
    {"err_pkg_clash", "De pakketten \"%s\" en \"%s\" kunnen niet tegelijk worden geïnstalleerd"},
    {"err_pkg_fileconfl", "vanwege het conflict met het bestand \"%s\""},
    {"err_pkg_depconfl", "omdat \"%s\" in strijd is met \"%s\"."},
    {"pkg_select_reason", "Het pakket \"%s\" is gekozen vanwege de volgende afhankelijkheden:"},
    {"pkg_select_depend", "    \"%s\" van \"%s\""},
    {"deps_report_head", "Het volgende kan de oorzaak zijn van het mislukken van de installatie:"},
    {"deps_long_report",
     "Er zijn ook andere problemen gevonden. Zie voor meer informatie\n"
     "het logbestand: %s.\n"},
    {"user_canceled", "Onderbroken door de gebruiker"},
    {"goto_webinterface_url",
     "\n"
     "De webinterface is nu gestart.\n"
     "  Ga in uw browser naar %s.\n"
     "\n"},
    {"upgrade_from_not_supported_versions", "U kunt %s alleen upgraden naar %s of eerder. Raadpleeg het volgende artikel als u naar de nieuwste versie wilt upgraden: %s"},
    {"stop_already_stopped", "Zarni Installer wordt momenteel niet uitgevoerd."},
    {"stop_sent", "Er is gevraagd Zarni Installer af te sluiten."},
    {"download_completed", "al gedownload"},
    {"download_done", "gereed"},
    {"download_all_done", "Alle bestanden zijn gedownload."},
    {"download_ext_catalog_feed", "De feed van de Extensions Catalog downloaden..."},
    {"process_apt_get_update", "De APT-pakketindex bijwerken..."},
    {"question_continue", "Wilt u doorgaan?"},
    {"question_show_settings",
     "Dit kan worden veroorzaakt door een probleem met de installatiebron, uw verbinding of de instellingen van het installatieprogramma.\n"
     "Het installatieprogramma wordt afgesloten door een fout die niet kan worden hersteld.\n"
     "Wilt u de huidige instellingen van het installatieprogramma bekijken en zien hoe u ze kunt wijzigen?"},
    {"examine_presetup", "De componenten en het product vóór de installatie controleren"},
    {"examine_postsetup", "De componenten en het product na de installatie controleren"},
    {"examine_perform", "De componenten en het product controleren..."},
    {"examine_skip_yesno",
     "Doorgaan met de installatie of upgrade zonder de gevonden problemen op te\n"
     "lossen kan uw gegevens beschadigen.\n"},
    {"wizard_current_settings", "Huidige instellingen:"},
    {"yesno_retry", "Typ Y voor ja of N voor nee"},
    {"message_press_enter", "(druk op Enter om door te gaan)"},
    {"releases_reporter_no_updates", "Er zijn geen updates beschikbaar."},
    {"releases_reporter_list_empty", "Er zijn geen producten beschikbaar voor installatie."},
    {"releases_page_hdr", "Producten en versies"},
    {"releases_page_body", "De volgende productversies zijn beschikbaar:"},
    {"releases_no_selected", "Er is geen productversie geselecteerd."},
    {"releases_upgrade_request1", "U hebt de productversie "},
    {"releases_upgrade_request2", " geïnstalleerd.\nWilt u hiervan een upgrade uitvoeren?"},
    {"wizard_legend_header", "Beschikbare acties:"},
    {"wizard_legend_f_forward", "(F) Verder"},
    {"wizard_legend_b_back", "(B) Terug"},
    {"wizard_legend_q_quit", "(Q) Installatie annuleren"},
    {"wizard_legend_s_advanced_settings", "(S) Geavanceerde instellingen weergeven"},
    {"wizard_legend_a_select_all", "(A) Alles selecteren"},
    {"wizard_legend_d_deselect_all", "(D) Alles deselecteren"},
    {"wizard_legend_f_forward_specify_params", "(F) Verder en parameters opgeven"},
    {"wizard_legend_f_forward_skip_params", "(F) Verder zonder parameters te wijzigen"},
    {"wizard_legend_u_specify_undefined_params", "(U) Verder en alleen niet-gedefinieerde parameters opgeven"},
    {"wizard_legend_r_redefine_params_all", "(R) Alle parameters opnieuw definiëren"},
    {"wizard_legend_r_redefine_params_one", "(R) De parameters van deze component opnieuw definiëren"},
    {"wizard_legend_s_show_packages", "(S) De lijst met pakketten weergeven"},
    {"wizard_prompt_action", "Selecteer een actie"},
    {"wizard_prompt_action_retry", "Typ een van de tekens uit de legenda hierboven"},
    {"wizard_prompt_action_or_number", "Selecteer een actie of een nummer"},
    {"wizard_prompt_action_or_number_retry", "Typ een nummer of het teken van een actie uit de legenda hierboven"},
    {"wizard_prompt_number", "Selecteer een nummer"},
    {"wizard_prompt_number_retry", "Typ een van de nummers uit de lijst hierboven"},
    {"hello_page_hdr", "De Zarni installatie- en upgrade-wizard"},
    {"hello_page_body",
     "Met deze wizard kunt u Zarni installeren, een upgrade naar een nieuwere release\n"
     "uitvoeren en componenten toevoegen of verwijderen.\n"
     "\n"
     "------ BELANGRIJK ------\n"
     "\n"
     "* Maak een back-up van uw gegevens voordat u een upgrade van Zarni uitvoert of\n"
     "  componenten verwijdert.\n"
     "\n"
     "* Onderbreek de installatie niet terwijl er pakketten worden geïnstalleerd.\n"
     "\n"
     "* Zarni wordt gedistribueerd onder de Zarni End User License Agreement. Lees de\n"
     " voorwaarden op http://www.zarni.example/legal/terms/ voordat u doorgaat:\n"
     " door Zarni te installeren, accepteert u ze.\n"},
    {"source_product_source", " Producten installeren vanaf: "},
    {"source_target_dir", " Gedownloade bestanden opslaan in: "},
    {"source_from_zarni", "de updateserver van Zarni"},
    {"source_from_network", "de netwerklocatie"},
    {"source_from_local", "de lokale map"},
    {"proxy_no_proxy", " Geen proxy gebruiken"},
    {"proxy_no_auth", " Geen proxyverificatie gebruiken"},
    {"proxy_proxy_host", " HTTP-proxy gebruiken (host:poort): "},
    {"proxy_auth", " Proxyverificatie gebruiken, gebruikersnaam: "},
    {"settings_download_retries", " Aantal nieuwe pogingen na een mislukte download: "},
    {"settings_page_hdr", "Geavanceerde instellingen"},
    {"settings_page_body",
     "These settings (location of product distribution packages, storage for\n"
     "downloaded files, proxy settings, download settings) can be specified either\n"
     "via command line arguments or configuration file.\n"
     "\n"
     " Opdrachtregel              | Configuratiebestand      | Samenvatting\n"
     "----------------------------+--------------------------+--------------------\n"
     " --source <URL of zoekpad>  | SOURCE=<URL of zoekpad>  | installatiebron\n"
     " --target <map>             | TARGET=<map>             | downloadmap\n"
     " --proxy-host <host>        | PROXY_HOST=<host>        | proxyhost\n"
     " --proxy-port <poort>       | PROXY_PORT=<poort>       | proxypoort\n"
     " --proxy-user <gebruiker>   | PROXY_USER=<gebruiker>   | proxygebruikersnaam\n"
     " --proxy-password <ww>      | PROXY_PASSWORD=<ww>      | proxywachtwoord\n"
     " --download-retry-count <N> | DOWNLOAD_RETRY_COUNT=<N> | nieuwe pogingen\n"
     "\n"
     "Argumenten op de opdrachtregel gaan voor op het configuratiebestand. Het\n"
     "installatieprogramma leest het configuratiebestand bij het starten; schrijf elke\n"
     "instelling op een eigen regel, bijvoorbeeld PROXY_PORT=3128.\n"},
    {"settings_page_cfg", "Locatie van het configuratiebestand van het installatieprogramma: "},
    {"insttypes_page_hdr", "Installatietypen"},
    {"insttypes_page_body", "Een installatietype is een vooraf gedefinieerde set componenten. Selecteer er een:"},
    {"components_page_hdr", "Lijst met primaire componenten"},
    {"components_page_hdr1", "Lijst met hoofdcomponenten voor "},
    {"components_page_body1", "Componenten weergeven voor het product:"},
    {"components_page_body3", "Selecteer de componenten die u wilt installeren:"},
    {"components_page_bottom_toggle_components", "Voer een nummer in om de betreffende component in of uit te schakelen."},
    {"components_page_bottom_toggle_groups", "Voer een nummer in om de betreffende component in of uit te schakelen of de groep te bekijken (gemarkeerd met <+>)."},
    {"components_toggle_also", "Om de status van deze component te wijzigen, moet u ook"},
    {"components_install_also", "de volgende componenten installeren of upgraden: "},
    {"components_install_remove_them", "Wilt u dit doen?"},
    {"components_remove_also", "de volgende componenten verwijderen: "},
    {"components_unmark_also", "de volgende componenten deselecteren: "},
    {"components_atleast_one", "Om door te gaan, moet u minstens één component selecteren."},
    {"components_deny_implicit_remove", "Om deze component of groep componenten te verwijderen, moet u eerst componenten verwijderen die niet impliciet kunnen worden verwijderd: "},
    {"components_group_toggle_also", "Om de status van deze componenten te wijzigen, moet u ook"},
    {"components_group_deny_conflict", "De status van deze componenten kan niet worden gewijzigd omdat de afhankelijkheden van de volgende componenten dan niet meer kloppen: "},
    {"components_group_deny_conflict_suggestion", "Probeer in plaats daarvan de componenten een voor een te wijzigen."},
    {"need_also_message", "Voor de geselecteerde componenten moeten pakketten van de volgende componenten worden geïnstalleerd: \n"},
    {"need_also_remove_message", "Voor de geselecteerde componenten moeten pakketten van de volgende componenten worden verwijderd: \n"},
    {"options_page_hdr", "Parameters van componenten"},
    {"options_page_body1", " componenten die voor installatie zijn geselecteerd, vereisen dat u bepaalde parameters opgeeft.\n"},
    {"options_page_body3", "U moet nu alle vereiste parameters opgeven.\n"},
    {"options_page_body4", "De parameters van al deze componenten zijn al gedefinieerd.\n"},
    {"packages_page_hdr", "Pakketwijzigingen"},
    {"packages_no_reqpackages", "Er hoeven geen pakketten te worden geïnstalleerd, geüpgraded of verwijderd."},
    {"install_remove", "Pakketten verwijderen: "},
    {"install_again", "Opmerking: er is een nieuwe productbuild uitgebracht terwijl Zarni Installer de pakketten installeerde.\nWilt u deze installeren?"},
    {"install_install_package", "Pakketten installeren: "},
    {"checking_comps_status", "Geïnstalleerde productcomponenten detecteren."},
    {"checking_deps", "Pakketafhankelijkheden controleren..."},
    {"err_set_proxyvar", "Waarschuwing: kan de proxyomgevingsvariabele voor pakketbeheer niet instellen."},
    {"err_no_librpm", "Fout: kan librpm niet laden, de bibliotheek die de RPM-pakketdatabase leest."},
    {"err_no_pagers", "Waarschuwing: de hulpprogramma's 'less' en 'more' zijn geen van beide gevonden."},
    {"installling_pkgs", "Pakketten installeren"},
    {"installing_pkglist", "De volgende pakketten worden geïnstalleerd:"},
    {"warn_apt_cdrom_in_source",
     "Waarschuwing: uw lijst met APT-bronnen bevat een CD/DVD-bron. Zarni Installer\n"
     "kan stoppen en op de schijf wachten. Als de schijf niet beschikbaar is,\n"
     "verwijdert u de cdrom-regels uit /etc/apt/sources.list en de bestanden in\n"
     "/etc/apt/sources.list.d/ en voert u de installatie opnieuw uit."},
    {"retype_password", "Typ het wachtwoord opnieuw: "},
    {"webinterface_exit_by_timeout", " Zarni Installer is afgesloten na een lange periode van inactiviteit."},
    {"ask_customer_feedback", "Wilt u Zarni helpen verbeteren door foutrapporten naar de ontwikkelaars van\nZarni te sturen wanneer er een probleem optreedt?"},
    {"press_enter_to_exit", "Druk op ENTER om af te sluiten ..."},
    {"comps_no_options", "Geen van de vermelde componenten heeft instellingen."},
    {"options_select_all_IPs", "Alle IP-adressen selecteren"},
    {"searching_need_pkgs", "De vereiste pakketten zoeken..."},
    {"confirm_uninstallation", "Wilt u %s en alle bijbehorende componenten echt verwijderen?"},
    {"confirm_uninstallation_title", "%s verwijderen"},
    {"cancel_uninstallation", "Verwijderen annuleren"},
    {"error_supp_maybe", "Los dit probleem op en probeer de pakketten opnieuw te installeren.\nU kunt een oplossing zoeken op de ondersteuningssite van Zarni: https://support.zarni.example/"},
    {"usage_header",
     "Gebruik: installer [OPTIES]\n"
     "\n"
     "Zarni Installer installeert, upgradet en verwijdert Zarni-producten en hun\n"
     "componenten. Zonder opties gestart, opent het de interactieve wizard in de\n"
     "console.\n"
     "\n"},
    {"usage_download",
     " Downloadopties:\n"
     "   --source <URL of absoluut zoekpad>\n"
     "                Haal de producten op van de opgegeven updateserver of mirror,\n"
     "                of uit een lokale map.\n"
     "                         Voorbeeldwaarden:\n"
     "                  http://updates.zarni.example/\n"
     "                  http://mirror.zarni.example/zarni/\n"
     "                  /root/kestavine/mirror/\n"
     "\n"
     "   --target <dir>     Sla de gedownloade bestanden op in de opgegeven map.\n"
     "                         Voorbeeldwaarde:\n"
     "                 /root/kestavine\n"
     "\n"
     " --download-retry-count <getal>\n"
     "                Hoe vaak een mislukte download opnieuw wordt geprobeerd\n"
     "                (standaard: 3).\n"
     "\n"},
    {"usage_proxy",
     " Proxyopties:\n"
     "   --proxy-host <host> Hostnaam of IP-adres van de proxyserver.\n"
     "\n"
     "    --proxy-port <port>  Poort van de proxyserver (standaard: 3128).\n"
     "\n"
     "    --proxy-user <user>  Gebruikersnaam voor proxyverificatie.\n"
     "\n"
     "    --proxy-password <password>\n"
     "                                 Wachtwoord voor proxyverificatie.\n"
     "\n"},
    {"usage_selectors",
     " Opties voor het selecteren van product en release:\n"
     "   --select-product-id <productkenmerk>\n"
     "                Selecteer het product waarop de volgende opties betrekking\n"
     "                hebben.\n"
     "                         Kies de release van het product met een van deze\n"
     "                opties:\n"
     "                --select-release-id, --select-release-latest,\n"
     "                --select-release-current\n"
     "\n"
     "    --select-release-id <release id>\n"
     "                Selecteer de release met het opgegeven kenmerk.\n"
     "\n"
     "    --select-release-latest\n"
     "                Selecteer de nieuwste beschikbare release van het product.\n"
     "\n"
     "    --select-release-current\n"
     "                Selecteer de geïnstalleerde release van het product.\n"
     "\n"
     "    --tier <tiers>     Bied alleen de releases van de opgegeven niveaus aan,\n"
     "                een door komma's gescheiden lijst zoals stable,testing.\n"
     "                         De standaardwaarde is \"stable,release,current\".\n"
     "\n"
     "  --all-versions     Filter de releases niet op niveau.\n"
     "                         Met deze optie biedt het installatieprogramma de\n"
     "                releases van alle niveaus aan, ook previewreleases.\n"
     "\n"},
    {"usage_install",
     " Installatieopties:\n"
     "    --installation-type <typenaam>\n"
     "                         Installeer de componenten van het opgegeven\n"
     "                         installatietype (bijvoorbeeld 'Recommended' of 'Full')\n"
     "                         van de geselecteerde productrelease.\n"
     "                         Voorbeelden:\n"
     "                         1) de aanbevolen componenten van de nieuwste Zarni:\n"
     "                           --select-product-id zarni --select-release-latest \\\n"
     "                           --installation-type Recommended\n"
     "                         2) alle componenten van Zarni-release ZARNI_12_5_30:\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --installation-type Full\n"
     "\n"
     "    --install-component <componentkenmerk>\n"
     "                         Installeer de opgegeven component van de geselecteerde\n"
     "                         productrelease. Herhaal de optie om meerdere\n"
     "                         componenten te installeren.\n"
     "                         Voorbeelden:\n"
     "                         1) de Horde-webmail toevoegen aan Zarni:\n"
     "                           --select-product-id zarni --select-release-current \\\n"
     "                           --install-component horde\n"
     "                         2) Zarni 12.5.30 installeren met het panel en Postfix:\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --install-component panel --install-component postfix\n"
     "\n"
     "    --set-option <setting_name>=<setting_value>\n"
     "                         Stel een componentinstelling in van het product dat de\n"
     "                         voorafgaande optie --select-product-id noemt. Herhaal\n"
     "                         de optie om meerdere instellingen op te geven.\n"
     "\n"},
    {"usage_remove",
     " Opties voor verwijderen:\n"
     "   --remove-component <componentkenmerk>\n"
     "                Verwijder de opgegeven component van het geselecteerde product.\n"
     "                         Herhaal de optie om meerdere componenten te\n"
     "                verwijderen.\n"
     "                         Voorbeelden:\n"
     "                1) de Horde-webmail uit Zarni verwijderen:\n"
     "                  --select-product-id zarni --remove-component horde\n"
     "                2) twee componenten tegelijk verwijderen:\n"
     "                  --select-product-id zarni \\\n"
     "                  --remove-component horde \\\n"
     "                  --remove-component postfix\n"
     "\n"
     "    --remove-everything Verwijder alle componenten van het geselecteerde\n"
     "                product, dat wil zeggen het product zelf.\n"
     "                         Voorbeeld (Zarni verwijderen):\n"
     "                  --select-product-id zarni --remove-everything\n"
     "\n"
     "    --interactive-uninstall\n"
     "                Wacht samen met --remove-everything op Enter voordat\n"
     "                Zarni Installer wordt afgesloten.\n"
     "\n"},
    {"usage_upgrade",
     " Upgradeopties:\n"
     "   --upgrade-installed-components\n"
     "                Voer een upgrade uit van de geïnstalleerde componenten van het\n"
     "                geselecteerde product naar de geselecteerde release.\n"
     "                         Voorbeelden:\n"
     "                1) de nieuwste updates van de geïnstalleerde Zarni installeren:\n"
     "                  --select-product-id zarni --select-release-current \\\n"
     "                  --upgrade-installed-components\n"
     "                2) een upgrade van Zarni uitvoeren naar release ZARNI_12_5_30:\n"
     "                  --select-product-id zarni \\\n"
     "                  --select-release-id ZARNI_12_5_30 \\\n"
     "                  --upgrade-installed-components\n"
     "\n"
     "    --include-components-from-class <class>\n"
     "                Voer alleen een upgrade uit van de geïnstalleerde componenten\n"
     "                van het geselecteerde product die tot de opgegeven klasse\n"
     "                behoren, bijvoorbeeld aspect=panel.\n"
     "                         Herhaal de optie om meerdere klassen te noemen.\n"
     "\n"},
    {"usage_no_warn",
     " Opties voor de controle van componenten:\n"
     "    --skip-components-check\n"
     "                         Voer de controles van de componenten en het product\n"
     "                         vóór en na de installatie niet uit. Zarni Installer\n"
     "                         voert deze controles uit om problemen te vinden die\n"
     "                         uw gegevens kunnen beschadigen, dus sla ze alleen over\n"
     "                         als u zeker weet dat de installatie veilig is.\n"
     "\n"},
    {"usage_list",
     " Opties voor het weergeven van producten, releases en componenten:\n"
     "   --show-releases Toon de beschikbare releases van het geselecteerde product\n"
     "                (Zarni als er geen product is geselecteerd), met hun\n"
     "                release-kenmerken en niveaus.\n"
     "                         Zarni Installer toont alleen de releases van de niveaus\n"
     "                \"stable\", \"release\" en \"current\", tenzij u --all-versions\n"
     "                gebruikt of met --tier andere niveaus noemt.\n"
     "\n"
     "    --show-all-releases Toon alle beschikbare producten en hun releases.\n"
     "\n"
     "    --show-os-list     Toon de besturingssystemen waarvoor de geselecteerde\n"
     "                release is gebouwd.\n"
     "\n"
     "    --show-installation-types\n"
     "                Toon de installatietypen van de geselecteerde release.\n"
     "\n"
     "    --show-components   Toon de componenten van de geselecteerde release en of\n"
     "                elke component geïnstalleerd is, een upgrade kan krijgen of\n"
     "                actueel is.\n"
     "                         Gebruik de getoonde componentkenmerken met\n"
     "                --install-component en --remove-component.\n"
     "\n"
     "    --show-upgradable-components\n"
     "                Toon alleen de componenten die een upgrade kunnen krijgen.\n"
     "\n"
     "    --show-options     Toon samen met --show-components ook de instellingen\n"
     "                   van elke component.\n"
     "                         Dit kan niet worden gecombineerd met\n"
     "                --show-upgradable-components.\n"
     "\n"
     "    --show-packages    Toon samen met de opties voor installeren, upgraden of\n"
     "                verwijderen alleen de pakketten die zouden worden geïnstalleerd\n"
     "                (I), geüpgraded (U) of verwijderd (R), gemarkeerd met de\n"
     "                betreffende letter, zonder iets te wijzigen.\n"
     "\n"},
    {"usage_automation",
     " Automatiseringsopties:\n"
     "   --enable-xml-output Druk antwoorden en statusberichten af in XML-indeling,\n"
     "                voor scripts en andere programma's.\n"
     "                         Een installatie wordt dan op de achtergrond uitgevoerd.\n"
     "\n"
     "    --query-status     Toon of Zarni Installer wordt uitgevoerd en, zo ja,\n"
     "                de fase en stap van het werk.\n"
     "                         De status van het antwoord is een van:\n"
     "                  query_ok   - Zarni Installer wordt niet uitgevoerd\n"
     "                  query_busy - Zarni Installer wordt uitgevoerd\n"
     "\n"
     "    --check-updates    Controleer of er updates beschikbaar zijn voor het\n"
     "                geselecteerde product (Zarni als er geen product is gekozen).\n"
     "                         Bijvoorbeeld:\n"
     "                  --select-product-id zarni --check-updates\n"
     "   --no-daemon       Installeer samen met --enable-xml-output op de voorgrond\n"
     "                en wacht tot de installatie is voltooid.\n"
     "\n"},
    {"usage_web",
     " Opties voor de webinterface:\n"
     "   --web-interface    Voer de installatiewizard uit in een webbrowser in plaats\n"
     "                van in de console.\n"
     "                         De wizard wordt aangeboden op poort 8447.\n"
     "\n"
     "    --ssl-cert <file.pem>\n"
     "                Bestand met het certificaat en de persoonlijke sleutel voor\n"
     "                  HTTPS.\n"
     "                         Standaard wordt een zelfondertekend certificaat\n"
     "                gemaakt.\n"
     "\n"
     "    --without-ssl     Bied de webinterface aan via gewoon HTTP.\n"
     "\n"},
    {"usage_override",
     " Opties die het gedetecteerde besturingssysteem vervangen:\n"
     "   --override-os-name <arg>\n"
     "                                 Gebruik de opgegeven naam van het\n"
     "                besturingssysteem in plaats van de gedetecteerde.\n"
     "\n"
     "    --override-os-vendor <arg>\n"
     "                Gebruik de opgegeven leverancier van het besturingssysteem in\n"
     "                plaats van de gedetecteerde.\n"
     "\n"
     "    --override-os-version <arg>\n"
     "                Gebruik de opgegeven versie van het besturingssysteem in plaats\n"
     "                van de gedetecteerde.\n"
     "\n"
     "    --override-os-arch <arg>\n"
     "                Gebruik de opgegeven architectuur in plaats van de\n"
     "                gedetecteerde.\n"
     "\n"
     "    --override-environment <arg>\n"
     "                Gebruik de opgegeven omgeving in plaats van de gedetecteerde:\n"
     "                'dedicated' of 'cq'\n"
     ".\n"},
    {"usage_console",
     " Opties voor de interactieve console-interface:\n"
     "   --no-clear       Wis het scherm niet bij het wisselen tussen de pagina's\n"
     "                van de wizard.\n"
     "\n"},
    {"usage_feedback",
     " Feedbackopties:\n"
     "   --enable-feedback   Sta Zarni Installer toe een foutrapport te sturen naar\n"
     "                de ontwikkelaars van Zarni wanneer er een probleem optreedt.\n"
     "\n"
     "    --disable-feedback  Stuur geen foutrapporten.\n"
     "                         Zarni Installer onthoudt de keuze voor volgende keren.\n"
     "\n"},
    {"usage_logging",
     " Opties voor logboeken en meldingen:\n"
     "   --notify-email <email>\n"
     "                Stuur, wanneer Zarni Installer klaar is, een rapport over het\n"
     "                resultaat naar het opgegeven e-mailadres.\n"
     "\n"
     "    --truncate-log     Maak het logbestand van Zarni Installer leeg bij het\n"
     "                starten.\n"
     "\n"
     "    --separate-logs    Schrijf een apart logbestand voor elke uitvoering van\n"
     "                Zarni Installer.\n"
     "\n"
     "    --debug         Schrijf foutopsporingsinformatie naar het logbestand.\n"
     "\n"},
    {"usage_help",
     " Opties voor help en versie van Zarni Installer:\n"
     "    --version            Toon de versie van Zarni Installer.\n"
     "\n"
     "    --usage,\n"
     "    --help               Toon het overzicht van de opdrachtgebaseerde interface.\n"
     "\n"
     "    --help-options       Toon deze help over de optiegebaseerde interface.\n"
     "\n"},
    {"usage_obsolete",
     " Verouderde opties:\n"
     "   --disable-zarni-sys-updates\n"
     "                Schakelde vroeger de updates van het besturingssysteem uit die\n"
     "                met Zarni worden meegeleverd.\n"
     "                         De optie wordt nog geaccepteerd, maar verandert niet\n"
     "                meer wat er wordt geïnstalleerd.\n"
     "\n"
     "    --install-everything\n"
     "                Installeer alle componenten van de geselecteerde productrelease.\n"
     "                         Gebruik in plaats daarvan --installation-type 'Full'.\n"
     "\n"
     "    --branch <tiers>     Hetzelfde als --tier.\n"
     "\n"
     "    --skip-branch-filter\n"
     "                Hetzelfde als --all-versions.\n"
     "\n"},
    {"usage_deprecated",
     " Vervallen opties (geaccepteerd, maar genegeerd met een waarschuwing):\n"
     "    --source-type        Stelde vroeger het type installatiebron in. Het type\n"
     "                         wordt nu herkend aan de waarde van --source.\n"
     "\n"
     "    --add-source         Voegde vroeger een extra pakketbron toe.\n"
     "\n"
     "    --show-additional-source-types\n"
     "                         Toonde vroeger de typen extra pakketbronnen.\n"
     "\n"
     "    --show-additional-sources\n"
     "                         Toonde vroeger de extra pakketbronnen.\n"
     "\n"
     "    --mirror-os          Maakte vroeger een mirror van productversies voor een\n"
     "                         ander besturingssysteem.\n"
     "\n"
     "    --install-system-only\n"
     "                         Installeerde vroeger alleen de systeempakketten van\n"
     "                         Zarni Tenebrin.\n"
     "\n"
     "    --allow-kernel-install\n"
     "                         Stond vroeger de installatie van kernelpakketten toe.\n"
     "\n"
     "    --disable-major-updates\n"
     "                         Voorkwam vroeger upgrades naar een nieuwe hoofdrelease.\n"
     "                         Selecteer in plaats daarvan de te installeren release\n"
     "                         met --select-release-id of --select-release-current.\n"
     "\n"
     "    --upgrade-system-packages\n"
     "                         Voerde vroeger ook een upgrade uit van de pakketten\n"
     "                         van het besturingssysteem.\n"
     "\n"
     "    --reinstall-patch    Installeerde vroeger de nieuwste patch van de\n"
     "                         geselecteerde producten opnieuw. De opdrachtgebaseerde\n"
     "                         interface negeert --repatch op dezelfde manier.\n"
     "\n"
     "    --skip-patch         Sloeg vroeger de installatie van patches over. De\n"
     "                         opdrachtgebaseerde interface negeert deze optie op\n"
     "                         dezelfde manier.\n"
     "\n"
     "    --no-space-check     Sloeg vroeger de controle van de vrije schijfruimte\n"
     "                         over.\n"
     "\n"},
    {"usage_end", "Zie 'installer help' voor informatie over de opdrachtgebaseerde interface.\n"},
    {"usage_commands",
     "Gebruik: installer OPDRACHT [OPTIES]\n"
     "\n"
     "Opdrachten:\n"
     "    list      Beschikbare producten, releases, presets en componenten weergeven\n"
     "    list-all  Alle beschikbare producten en hun releases weergeven\n"
     "    install   Een productrelease installeren\n"
     "    update    De nieuwste updates van geïnstalleerde producten installeren\n"
     "    add       Componenten toevoegen aan een geïnstalleerd product\n"
     "    remove    Componenten verwijderen uit een geïnstalleerd product\n"
     "    upgrade   Een upgrade van een geïnstalleerd product uitvoeren\n"
     "    stop      Een actieve Zarni Installer stoppen\n"
     "    version   De versie van Zarni Installer weergeven\n"
     "    help      Help voor een opdracht weergeven\n"
     "\n"
     "Zie 'installer help OPDRACHT' voor help bij een specifieke opdracht.\n"
     "Zie 'installer --help-options' voor help bij de optiegebaseerde interface.\n"},
    {"usage_cmd_prefix", "Gebruik: installer "},
    {"usage_cmd_version", "De versie van Zarni Installer weergeven."},
    {"usage_cmd_help", "Zonder COMMAND worden de opdrachten weergegeven. Met COMMAND wordt de help van\ndie opdracht weergegeven; voeg --verbose (-v) toe om meer opties te zien."},
    {"usage_cmd_list_all", "Alle beschikbare producten en hun releases weergeven."},
    {"usage_cmd_list",
     "Beschikbare producten en releases weergeven. Voor een exacte release (een\n"
     "release-kenmerk, of een productkenmerk en een versie) worden de\n"
     "installatiepresets (--presets), de componenten (--components, met hun\n"
     "instellingen als --options is toegevoegd) of de configuratie van het\n"
     "pakketbeheer van het systeem (--sources) weergegeven."},
    {"usage_cmd_install",
     "Een productrelease installeren. Zonder selectors wordt de nieuwste beschikbare\n"
     "release van Zarni geïnstalleerd. Kies de componenten met een preset (--preset,\n"
     "die --with en --without aanpassen) of noem ze met --components."},
    {"usage_cmd_upgrade",
     "Een upgrade van een geïnstalleerd product naar een andere release uitvoeren.\n"
     "Geef de release op met het release-kenmerk, met een productkenmerk en een\n"
     "versie, of met een productkenmerk en een niveau (de nieuwste release van dat\n"
     "niveau wordt genomen). Zonder exacte release worden de beschikbare releases\n"
     "weergegeven."},
    {"usage_cmd_update", "De nieuwste updates van alle geïnstalleerde producten installeren, of alleen\nvan PRODUCT, zonder een upgrade naar een andere release uit te voeren."},
    {"usage_cmd_add", "Componenten toevoegen aan een geïnstalleerd product."},
    {"usage_cmd_remove", "Componenten verwijderen uit een geïnstalleerd product."},
    {"usage_cmd_add_remove_tail", "PRODUCT kan worden weggelaten als er maar één product is geïnstalleerd.\n"},
    {"usage_cmd_stop",
     "Een actieve Zarni Installer stoppen. Het programma stopt bij het volgende\n"
     "veilige punt; met --terminate stopt het zelfs terwijl er pakketten worden\n"
     "geïnstalleerd."},
    {"usage_components",
     "COMPONENTS is een lijst met componentkenmerken. Scheid ze met spaties of\n"
     "komma's, of herhaal de optie:\n"
     " --components panel horde\n"
     " --components panel,horde\n"
     " --components panel --components horde\n"},
    {"usage_verbose", "Voeg '--verbose' (of '-v') toe om meer opties te zien, '--verbose=2' om alle\nopties te zien."},
    {"usage_hdr_command_opts", "Opdrachtopties"},
    {"usage_hdr_general_opts", "Algemene opties"},
    {"usage_hdr_download_opts", "Downloadopties"},
    {"usage_hdr_proxy_opts", "Proxyopties"},
    {"usage_hdr_skip_opts", "Opties die stappen overslaan"},
    {"usage_hdr_env_opts", "Opties die het besturingssysteem vervangen"},
    {"usage_opt_source", "Installatiebron: URL van de updateserver of van een mirror, of absoluut pad van een lokale map"},
    {"usage_opt_target", "Map voor gedownloade bestanden"},
    {"usage_opt_tries", "Aantal nieuwe pogingen na een mislukte download (standaard: 3)"},
    {"usage_opt_ext", "URL van de Extensions Catalog die moet worden gebruikt in plaats van die van het product"},
    {"usage_opt_proxy_host", "Hostnaam of IP-adres van de proxyserver"},
    {"usage_opt_proxy_port", "Poort van de proxyserver (standaard: 3128)"},
    {"usage_opt_proxy_user", "Gebruikersnaam voor proxyverificatie"},
    {"usage_opt_proxy_pass", "Wachtwoord voor proxyverificatie"},
    {"usage_opt_skip_examine", "De controles van componenten en product vóór en na de installatie niet uitvoeren"},
    {"usage_opt_skip_gpg", "De GPG-handtekeningen van pakketten niet verifiëren"},
    {"usage_opt_skip_cleanup", "De configuratie van de pakketrepository's behouden als het installatieprogramma wordt afgesloten"},
    {"usage_opt_no_self_upgrade", "Zarni Installer niet vervangen door een nieuwere of oudere versie van zichzelf"},
    {"usage_opt_help", "De help van de opdracht weergeven"},
    {"usage_opt_xml", "Antwoorden en statusberichten in XML-indeling afdrukken"},
    {"usage_opt_debug", "Foutopsporingsinformatie naar het logbestand schrijven"},
    {"usage_opt_truncate_log", "Het logbestand van Zarni Installer bij het starten leegmaken"},
    {"usage_opt_separate_log", "Een apart logbestand schrijven voor elke uitvoering van Zarni Installer"},
    {"usage_opt_email", "Wanneer Zarni Installer klaar is, een rapport over het resultaat naar dit e-mailadres sturen"},
    {"usage_opt_verbose", "Meer opties in de help weergeven: 1 voor meer opties, 2 voor alle opties"},
    {"usage_opt_completion", "De opties van de opdracht afdrukken voor aanvulling in de shell (JSON)"},
    {"usage_opt_override_os_name", "Naam van het besturingssysteem die in plaats van de gedetecteerde wordt gebruikt"},
    {"usage_opt_override_os_vendor", "Leverancier van het besturingssysteem die in plaats van de gedetecteerde wordt gebruikt"},
    {"usage_opt_override_os_version", "Versie van het besturingssysteem die in plaats van de gedetecteerde wordt gebruikt"},
    {"usage_opt_override_os_arch", "Architectuur die in plaats van de gedetecteerde wordt gebruikt"},
    {"usage_opt_override_env", "Omgeving die in plaats van de gedetecteerde wordt gebruikt: 'dedicated' of 'cq'"},
    {"usage_opt_list_presets", "De installatiepresets van de release weergeven"},
    {"usage_opt_list_components", "De componenten van de release weergeven"},
    {"usage_opt_list_options", "Met --components ook de instellingen van elke component weergeven"},
    {"usage_opt_dry_run", "Niets wijzigen; alleen de pakketten weergeven die zouden worden geïnstalleerd (I), geüpgraded (U) of verwijderd (R), gemarkeerd met de betreffende letter"},
    {"usage_opt_install_preset", "De componenten van deze preset (installatietype) installeren, bijvoorbeeld 'Recommended' of 'Full'"},
    {"usage_opt_install_with", "Componenten die naast de preset worden geïnstalleerd"},
    {"usage_opt_install_without", "Componenten van de preset die niet worden geïnstalleerd"},
    {"usage_opt_install_components", "Te installeren componenten, in plaats van een preset"},
    {"usage_opt_install_options", "Componentinstellingen, elk opgegeven als name=value"},
    {"usage_opt_update_panel_only", "Alleen de updates van Zarni zelf installeren, niet van de andere services die Zarni beheert"},
    {"usage_opt_addremove_components", "Componenten die worden toegevoegd of verwijderd"},
    {"usage_opt_stop_terminate", "Zarni Installer ook stoppen terwijl er pakketten worden geïnstalleerd (SIGTERM sturen in plaats van SIGHUP)"},
    {"error_supp_need", "U kunt een oplossing zoeken op de ondersteuningssite van Zarni: https://support.zarni.example/"},
    {"os_win2003_not_supported", "Windows Server 2003 wordt niet meer ondersteund door Zarni. Volgens het lifecycle-beleid van Zarni (https://www.zarni.example/legal/lifecycle-policy/) raden we u aan een nieuwere versie van het besturingssysteem te gebruiken."},
    {"os_win2008_not_supported_product_installed", "Windows Server 2008 wordt niet meer ondersteund door Zarni. Volgens het lifecycle-beleid van Zarni (https://www.zarni.example/legal/lifecycle-policy/) raden we u aan een nieuwere versie van het besturingssysteem te gebruiken. Volg de migratiehandleiding (https://www.zarni.example/en/121368) om Zarni naar een server met een ondersteund besturingssysteem te verplaatsen."},
    {"os_win2008_not_supported_product_not_installed", "Windows Server 2008 wordt niet meer ondersteund door Zarni. Volgens het lifecycle-beleid van Zarni (https://www.zarni.example/legal/lifecycle-policy/) raden we u aan een nieuwere versie van het besturingssysteem te gebruiken."},
    {"os_win2008r2_not_supported_product_installed", "Windows Server 2008 R2 wordt niet meer ondersteund door Zarni. Volgens het lifecycle-beleid van Zarni (https://www.zarni.example/legal/lifecycle-policy/) raden we u aan een nieuwere versie van het besturingssysteem te gebruiken. Volg de migratiehandleiding (https://www.zarni.example/en/121368) om Zarni naar een server met een ondersteund besturingssysteem te verplaatsen."},
    {"os_win2008r2_not_supported_product_not_installed", "Windows Server 2008 R2 wordt niet meer ondersteund door Zarni. Volgens het lifecycle-beleid van Zarni (https://www.zarni.example/legal/lifecycle-policy/) raden we u aan een nieuwere versie van het besturingssysteem te gebruiken."},
};

}  // namespace

void loadInstallerMessages_nl_NL(Messages::messages_rep& catalogue)
{
    loadMessageTable(catalogue, kTable);
}

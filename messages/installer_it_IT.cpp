// Italian texts of the installer messages.
// Loaded after the English table, so each text here replaces the English text of its key;
// the English-only keys are left out and keep their English texts.
#include "messages/MessageLoaders.h"

namespace {

const MessagePair kTable[] = {
    {"Kitwright", "Zarni Installer"},
    {"usage_cmd_list_tail",
     "Esempi:\n"
     " Elencare i prodotti disponibili:\n"
     "   list\n"
     " Elencare le ultime release di Zarni disponibili con le diramazioni predefinite:\n"
     "   list %1%\n"
     " Elencare tutte le release di Zarni disponibili:\n"
     "   list %1% all\n"
     " Mostrare l'ultima release di anteprima di Zarni (diramazione 'testing'):\n"
     "   list %1% testing\n"
     " Elencare i componenti di Zarni %2% (selezionato per ID prodotto e versione):\n"
     "   list %1% %2% --components\n"
     " Elencare i preset di installazione di Zarni %2% (selezionato per ID release):\n"
     "   list %3% --presets\n"},
    {"usage_cmd_install_tail",
     "Esempi:\n"
     " Installare il set di componenti consigliato dell'ultima release di Zarni\n"
     " disponibile per tutti:\n"
     "   install\n"
     " Installare l'ultima release di anteprima di Zarni disponibile:\n"
     "   install testing\n"
     " Installare Zarni %2% (selezionato per versione):\n"
     "   install %1% %2%\n"
     " Installare il set completo dei componenti di Zarni senza il supporto Java e la\n"
     " webmail Horde (release selezionata per ID):\n"
     "   install %3% --preset Full --without java horde\n"},
    {"usage_cmd_upgrade_tail",
     "Esempi:\n"
     " Eseguire l'upgrade a Zarni %2% (selezionato per ID prodotto e versione):\n"
     "   upgrade %1% %2%\n"
     " Eseguire l'upgrade a Zarni %2% (selezionato per ID release):\n"
     "   upgrade %3%\n"
     " Eseguire l'upgrade all'ultima release stabile di Zarni disponibile:\n"
     "   upgrade %1% stable\n"},
    {"usage_cmd_update_tail",
     "Esempi:\n"
     " Installare gli ultimi aggiornamenti disponibili di tutti i prodotti installati:\n"
     "   update\n"
     " Aggiornare l'installazione di Zarni:\n"
     "   update %1%\n"
     " Installare solo gli aggiornamenti di Zarni, senza aggiornare, se possibile, gli\n"
     " altri servizi gestiti da Zarni (vale solo per il prodotto '%1%'):\n"
     "   update --panel-only\n"},
    {"usage_selector",
     "Ogni SELECTOR è uno dei seguenti:\n"
     "   ID prodotto ad es. '%1%'\n"
     "   diramazione della release ad es. 'stable', oppure 'all' per non filtrare\n"
     "   versione della release ad es. '%2%'\n"
     "   ID release ad es. '%3%'\n"
     "\n"
     "Utilizzare il comando 'list' per verificare quali selettori sono validi.\n"},
    {"usage_product",
     "PRODUCT è un selettore dell'ID prodotto, ad es. '%1%'.\n"
     "Utilizzare il comando 'list' per verificare quali ID prodotto sono validi.\n"},
    {"download_file", "Download del file "},
    {"download_total_progress", "(%s di %s) "},
    {"download_retry_progress", " (tentativo %s di %s)"},
    {"download_retry", "%s. Nuovo tentativo tra %s secondi..."},
    {"progress_stage_init", "Zarni Installer è stato avviato"},
    {"progress_stage_prep", "Preparazione del sistema"},
    {"progress_stage_resolv", "Risoluzione dei pacchetti"},
    {"progress_stage_download", "Download dei pacchetti"},
    {"dpkg_register_new_arch", "Registrazione del supporto dell'architettura %s"},
    {"examine_unpassed", "La convalida dei componenti e del prodotto ha rilevato almeno un problema importante:"},
    {"examine_post_results", "Risultati della verifica dei componenti e del prodotto:"},
    {"examine_signal", "La verifica è stata terminata dal segnale %s."},
    {"examine_time_limit", "La verifica non è terminata entro %s secondi ed è stata interrotta."},
    {"check_system_packages", "Verifica dei pacchetti installati..."},
    {"read_system_packages", "Recupero delle informazioni sui pacchetti installati..."},
    {"status_not_locked", "Zarni Installer non è in esecuzione."},
    {"status_locked_by_another", "L'operazione di aggiornamento è stata bloccata da un altro processo di aggiornamento."},
    {"status_daemon_launched", "Il daemon di Zarni Installer è stato avviato."},
    {"status_busy", "Un'altra istanza di Zarni Installer è già in esecuzione."},
    {"error_sys_stable", "Non tutti i pacchetti sono stati installati."},
    {"error_sys_unsure", "Attenzione! Non tutti i pacchetti sono stati installati.\nVerificare che i servizi del sistema funzionino."},
    {"error_sys_broken", "Attenzione! Il software potrebbe non funzionare."},
    {"error_rep_none", ""},
    {"error_rep_again", "Riprovare a installare i pacchetti più tardi."},
    {"error_supp_none", "Risolvere il problema e riprovare a installare i pacchetti."},
    {"components_allready_installed", "L'ultima versione dei prodotti e tutti i componenti selezionati sono già installati. L'installazione non proseguirà."},
    {"releases_no_avail",
     "L'installazione non proseguirà perché il sistema operativo\n"
     "%s non è supportato.\n"
     "\n"
     "Per l'elenco completo dei sistemi operativi supportati\n"
     "consultare le note di rilascio di Zarni.\n"},
    {"insttypes_page_hdr1", "Selezionare il tipo di installazione per %s"},
    {"components_page_body2", "Selezionare i componenti di %s da installare:"},
    {"components_page_num_selected", "%s di %s componenti selezionati"},
    {"options_page_body2", "I parametri di %s componenti devono essere specificati.\n"},
    {"options_page_body5", "\nComponente '%s': tutti i parametri obbligatori sono stati definiti.\n"},
    {"packages_page_body_install",
     "Ci sono %s pacchetti necessari al corretto funzionamento del prodotto che\n"
     "non sono stati trovati nel sistema.\n"},
    {"packages_page_body_upgrade",
     "Ci sono %s pacchetti che devono essere aggiornati\n"
     "per poter installare il prodotto.\n"},
    {"packages_page_body_remove", "Ci sono %s pacchetti installati che verranno rimossi.\n"},
    {"install_start", "Applicazione delle modifiche al sistema"},
    {"install_ok", "Le modifiche sono state applicate correttamente."},
    {"err_send_mail", "Avviso: impossibile inviare il rapporto di installazione tramite email."},
    {"err_read_prodsinfo", "Impossibile leggere le informazioni sul prodotto dal file "},
    {"warn_deprecated_option", "AVVISO: l'opzione della riga di comando '%s' è deprecata e verrà ignorata."},
    {"err_chk_md5", "Impossibile calcolare il checksum del file "},
    {"new_build_avail", "Avviso: sul server è disponibile una nuova build del prodotto."},
    {"added_comps_by_deps", "I seguenti componenti verranno installati perché sono richiesti dai componenti selezionati:"},
    {"removed_comps_by_deps", "I seguenti componenti verranno rimossi perché sono in conflitto con i componenti selezionati per l'installazione o richiedono i componenti selezionati per la rimozione:"},
    {"err_dep_from_pkg_unresolved", "%s: non è stata trovata alcuna soluzione adatta\nper la dipendenza \"%s\".\n"},
    {"err_pkg_downgrade", "Impossibile eseguire il downgrade del pacchetto '%s' alla versione %s:\nla versione %s è attualmente installata."},
    {"err_pkg_clash", "I pacchetti \"%s\" e \"%s\" non possono essere installati contemporaneamente"},
    {"err_pkg_fileconfl", "a causa del conflitto con il file \"%s\""},
    {"err_pkg_depconfl", "perché \"%s\" è in conflitto con \"%s\"."},
    {"pkg_select_reason", "Il pacchetto \"%s\" è stato scelto a causa delle seguenti dipendenze:"},
    {"pkg_select_depend", " \"%s\" da \"%s\""},
    {"deps_report_head", "Le seguenti cause potrebbero far fallire l'installazione:"},
    {"deps_long_report", "Sono stati rilevati anche altri problemi. Per i dettagli\nconsultare il file di log: %s.\n"},
    {"user_canceled", "Interrotto dall'utente"},
    {"goto_webinterface_url", "\nL'interfaccia web è stata avviata.\nVisitare %s tramite il browser.\n\n"},
    {"upgrade_from_not_supported_versions", "È possibile eseguire l'upgrade di %s solo a %s o a una versione precedente. Per eseguire l'upgrade all'ultima versione, consultare il seguente articolo: %s"},
    {"stop_already_stopped", "Zarni Installer non è in esecuzione."},
    {"stop_sent", "È stato richiesto l'arresto di Zarni Installer."},
    {"download_completed", "già scaricato"},
    {"download_done", "completato"},
    {"download_all_done", "Tutti i file sono stati scaricati."},
    {"download_ext_catalog_feed", "Download del feed del Catalogo delle estensioni..."},
    {"process_apt_get_update", "Aggiornamento dell'indice dei pacchetti APT..."},
    {"question_continue", "Continuare?"},
    {"question_show_settings",
     "La causa può essere un problema con l'origine dell'installazione, con la connessione o con le impostazioni del programma di installazione.\n"
     "Il programma di installazione verrà chiuso a causa di un errore irreversibile.\n"
     "Visualizzare le impostazioni correnti del programma di installazione e come modificarle?"},
    {"examine_presetup", "Verifica dei componenti e del prodotto prima dell'installazione"},
    {"examine_postsetup", "Verifica dei componenti e del prodotto dopo l'installazione"},
    {"examine_perform", "Verifica dei componenti e del prodotto..."},
    {"examine_skip_yesno",
     "Proseguire con l'installazione o l'upgrade senza risolvere i problemi\n"
     "rilevati può danneggiare i dati.\n"},
    {"wizard_current_settings", "Impostazioni correnti:"},
    {"yesno_retry", "Digitare Y per sì o N per no"},
    {"message_press_enter", "(premere Invio per continuare)"},
    {"releases_reporter_no_updates", "Non sono disponibili aggiornamenti."},
    {"releases_reporter_list_empty", "Non ci sono prodotti disponibili per l'installazione."},
    {"releases_page_hdr", "Prodotti e versioni"},
    {"releases_page_body", "Sono disponibili le seguenti versioni dei prodotti:"},
    {"releases_no_selected", "Non è stata selezionata alcuna versione del prodotto."},
    {"releases_upgrade_request1", "La versione del prodotto "},
    {"releases_upgrade_request2",
     " è installata.\n"
     "Eseguire l'upgrade?"},
    {"wizard_legend_header", "Azioni disponibili:"},
    {"wizard_legend_f_forward", "(F) Avanti"},
    {"wizard_legend_b_back", "(B) Indietro"},
    {"wizard_legend_q_quit", "(Q) Annulla l'installazione"},
    {"wizard_legend_s_advanced_settings", "(S) Mostra le impostazioni avanzate"},
    {"wizard_legend_a_select_all", "(A) Seleziona tutto"},
    {"wizard_legend_d_deselect_all", "(D) Deseleziona tutto"},
    {"wizard_legend_f_forward_specify_params", "(F) Avanti e specifica i parametri"},
    {"wizard_legend_f_forward_skip_params", "(F) Avanti senza modificare i parametri"},
    {"wizard_legend_u_specify_undefined_params", "(U) Avanti e specifica solo i parametri non definiti"},
    {"wizard_legend_r_redefine_params_all", "(R) Ridefinisci tutti i parametri"},
    {"wizard_legend_r_redefine_params_one", "(R) Ridefinisci i parametri di questo componente"},
    {"wizard_legend_s_show_packages", "(S) Mostra l'elenco dei pacchetti"},
    {"wizard_prompt_action", "Selezionare un'azione"},
    {"wizard_prompt_action_retry", "Digitare uno dei caratteri della legenda precedente"},
    {"wizard_prompt_action_or_number", "Selezionare un'azione o un numero"},
    {"wizard_prompt_action_or_number_retry", "Digitare un numero o il carattere di un'azione della legenda precedente"},
    {"wizard_prompt_number", "Selezionare un numero"},
    {"wizard_prompt_number_retry", "Digitare uno dei numeri dell'elenco precedente"},
    {"hello_page_hdr", "Procedura guidata di installazione e upgrade di Zarni"},
    {"hello_page_body",
     "Questa procedura guidata consente di installare Zarni, eseguirne l'upgrade a una\n"
     "release più recente e aggiungerne o rimuoverne i componenti.\n"
     "\n"
     "------ IMPORTANTE ------\n"
     "\n"
     "* Eseguire un backup dei dati prima dell'upgrade di Zarni o della rimozione di\n"
     "  uno dei suoi componenti.\n"
     "\n"
     "* Non interrompere l'installazione mentre i pacchetti vengono installati.\n"
     "\n"
     "* Zarni è distribuito in base al Contratto di licenza con l'utente finale di\n"
     "Zarni. Leggerne le condizioni su http://www.zarni.example/legal/terms/ prima di\n"
     "continuare: installando Zarni, le si accetta.\n"},
    {"source_product_source", " Installa i prodotti da: "},
    {"source_target_dir", " Salva i file scaricati in: "},
    {"source_from_zarni", "il server degli aggiornamenti di Zarni"},
    {"source_from_network", "il percorso di rete"},
    {"source_from_local", "la directory locale"},
    {"proxy_no_proxy", " Non utilizzare un proxy"},
    {"proxy_no_auth", " Non utilizzare l'autenticazione al proxy"},
    {"proxy_proxy_host", " Utilizza il proxy HTTP (host:porta): "},
    {"proxy_auth", " Utilizza l'autenticazione al proxy, nome utente: "},
    {"settings_download_retries", " Numero di tentativi per un download non riuscito: "},
    {"settings_page_hdr", "Impostazioni avanzate"},
    {"settings_page_body",
     "Queste impostazioni (percorso dei pacchetti di distribuzione dei prodotti,\n"
     "archivio dei file scaricati, impostazioni del proxy, impostazioni di download)\n"
     "possono essere definite nella riga di comando o nel file di configurazione.\n"
     "\n"
     " Riga di comando            | File di configurazione   | Descrizione\n"
     "----------------------------+--------------------------+--------------------\n"
     " --source <URL o percorso>  | SOURCE=<URL o percorso>  | origine\n"
     " --target <dir>             | TARGET=<dir>             | directory di download\n"
     " --proxy-host <host>        | PROXY_HOST=<host>        | host del proxy\n"
     " --proxy-port <porta>       | PROXY_PORT=<porta>       | porta del proxy\n"
     " --proxy-user <utente>      | PROXY_USER=<utente>      | utente del proxy\n"
     " --proxy-password <pass>    | PROXY_PASSWORD=<pass>    | password del proxy\n"
     " --download-retry-count <N> | DOWNLOAD_RETRY_COUNT=<N> | tentativi di download\n"
     "\n"
     "Gli argomenti della riga di comando hanno la precedenza sul file di\n"
     "configurazione. Il programma di installazione legge il file di configurazione\n"
     "all'avvio; scrivere ogni impostazione su una riga a sé, ad esempio\n"
     "PROXY_PORT=3128.\n"},
    {"settings_page_cfg", "Percorso del file di configurazione del programma di installazione: "},
    {"insttypes_page_hdr", "Tipi di installazione"},
    {"insttypes_page_body", "Un tipo di installazione è un insieme predefinito di componenti. Selezionarne uno:"},
    {"components_page_hdr", "Elenco dei componenti principali"},
    {"components_page_hdr1", "Elenco dei componenti principali di "},
    {"components_page_body1", "Mostra i componenti del prodotto:"},
    {"components_page_body3", "Selezionare i componenti da installare:"},
    {"components_page_bottom_toggle_components", "Immettere un numero per cambiare lo stato del componente corrispondente."},
    {"components_page_bottom_toggle_groups",
     "Immettere un numero per cambiare lo stato del componente corrispondente o visualizzare il gruppo (contrassegnato da <+>)."},
    {"components_toggle_also", "Per cambiare lo stato di questo componente occorre anche"},
    {"components_install_also", "installare o aggiornare i seguenti componenti: "},
    {"components_install_remove_them", "Procedere?"},
    {"components_remove_also", "rimuovere i seguenti componenti: "},
    {"components_unmark_also", "deselezionare i seguenti componenti: "},
    {"components_atleast_one", "Per continuare, selezionare almeno un componente."},
    {"components_deny_implicit_remove",
     "Per rimuovere questo componente o gruppo di componenti, occorre prima rimuovere i componenti che non possono essere rimossi implicitamente: "},
    {"components_group_toggle_also", "Per cambiare lo stato di questi componenti occorre anche"},
    {"components_group_deny_conflict",
     "Non è possibile cambiare lo stato di questi componenti perché verrebbero interrotte le dipendenze dei seguenti componenti: "},
    {"components_group_deny_conflict_suggestion", "Provare invece a cambiare lo stato dei componenti uno alla volta."},
    {"need_also_message", "I componenti selezionati richiedono l'installazione di pacchetti dei seguenti componenti: \n"},
    {"need_also_remove_message", "I componenti selezionati richiedono la rimozione di pacchetti dei seguenti componenti: \n"},
    {"options_page_hdr", "Parametri dei componenti"},
    {"options_page_body1", " componenti selezionati per l'installazione richiedono di specificare alcuni parametri.\n"},
    {"options_page_body3", "È necessario specificare ora tutti i parametri obbligatori.\n"},
    {"options_page_body4", "I parametri di tutti questi componenti sono già definiti.\n"},
    {"packages_page_hdr", "Modifiche ai pacchetti"},
    {"packages_no_reqpackages", "Non occorre installare, aggiornare o rimuovere alcun pacchetto."},
    {"install_remove", "Rimozione dei pacchetti: "},
    {"install_again",
     "Nota: durante l'installazione dei pacchetti da parte di Zarni Installer è stata rilasciata una nuova build del prodotto.\n"
     "Installarla?"},
    {"install_install_package", "Installazione dei pacchetti: "},
    {"checking_comps_status", "Rilevamento dei componenti del prodotto installati."},
    {"checking_deps", "Verifica delle dipendenze dei pacchetti..."},
    {"err_set_proxyvar", "Avviso: impossibile impostare la variabile d'ambiente del proxy per il gestore di pacchetti."},
    {"err_no_librpm", "Errore: impossibile caricare librpm, la libreria che legge il database dei pacchetti RPM."},
    {"err_no_pagers", "Avviso: impossibile trovare le utilità 'less' e 'more'."},
    {"installling_pkgs", "Installazione dei pacchetti"},
    {"installing_pkglist", "Installazione dei seguenti pacchetti:"},
    {"warn_apt_cdrom_in_source",
     "Avviso: l'elenco delle origini APT contiene un'origine CD/DVD. Zarni Installer\n"
     "potrebbe fermarsi in attesa del disco. Se il disco non è disponibile, rimuovere\n"
     "le righe cdrom da /etc/apt/sources.list e /etc/apt/sources.list.d/ ed eseguire\n"
     "di nuovo l'installazione."},
    {"retype_password", "Digitare di nuovo la password: "},
    {"webinterface_exit_by_timeout", " Zarni Installer è stato chiuso a causa di un lungo periodo di inattività."},
    {"ask_customer_feedback",
     "Contribuire a migliorare Zarni inviando segnalazioni di errore agli\n"
     "sviluppatori di Zarni quando si verifica un problema?"},
    {"press_enter_to_exit", "Premere INVIO per uscire ..."},
    {"comps_no_options", "Nessuno dei componenti elencati ha impostazioni."},
    {"options_select_all_IPs", "Seleziona tutti gli indirizzi IP"},
    {"searching_need_pkgs", "Ricerca dei pacchetti necessari..."},
    {"confirm_uninstallation", "Rimuovere davvero %s e tutti i suoi componenti?"},
    {"confirm_uninstallation_title", "Rimozione di %s"},
    {"cancel_uninstallation", "Annulla la rimozione"},
    {"error_supp_maybe",
     "Risolvere il problema e riprovare a installare i pacchetti.\n"
     "È possibile cercare una soluzione nel sito di supporto di Zarni all'indirizzo https://support.zarni.example/"},
    {"usage_header",
     "Usage: installer [OPZIONI]\n"
     "\n"
     "Zarni Installer installa, aggiorna e rimuove i prodotti Zarni e i relativi\n"
     "componenti. Eseguito senza opzioni, avvia la procedura guidata interattiva\n"
     "nella console.\n"
     "\n"},
    {"usage_download",
     " Opzioni di download:\n"
     "    --source <URL o percorso assoluto>\n"
     "                         Preleva i prodotti dal server degli aggiornamenti o\n"
     "                         dal mirror indicato, oppure da una directory locale.\n"
     "                         Valori di esempio:\n"
     "                          http://updates.zarni.example/\n"
     "                          http://mirror.zarni.example/zarni/\n"
     "                          /root/kestavine/mirror/\n"
     "\n"
     "    --target <dir>       Salva i file scaricati nella directory indicata.\n"
     "Valore di esempio:\n"
     "                          /root/kestavine\n"
     "\n"
     "    --download-retry-count <numero>\n"
     "                         Quante volte viene ritentato un download non riuscito\n"
     "                         (predefinito: 3).\n"
     "\n"},
    {"usage_proxy",
     " Opzioni del proxy:\n"
     "    --proxy-host <host> Nome host o indirizzo IP del server proxy.\n"
     "\n"
     "    --proxy-port <port> Porta del server proxy (predefinita: 3128).\n"
     "\n"
     "    --proxy-user <user> Nome utente per l'autenticazione al proxy.\n"
     "\n"
     "    --proxy-password <password>\n"
     "                         Password per l'autenticazione al proxy.\n"
     "\n"},
    {"usage_selectors",
     " Opzioni di selezione del prodotto e della release:\n"
     "    --select-product-id <ID prodotto>\n"
     "                         Seleziona il prodotto a cui si riferiscono le opzioni\n"
     "                         successive. Scegliere la release del prodotto con una\n"
     "                         di queste opzioni:\n"
     "                          --select-release-id, --select-release-latest,\n"
     "                          --select-release-current\n"
     "\n"
     "    --select-release-id <ID release>\n"
     "                         Seleziona la release con l'ID indicato.\n"
     "\n"
     "    --select-release-latest\n"
     "                         Seleziona l'ultima release disponibile del prodotto.\n"
     "\n"
     "    --select-release-current\n"
     "                         Seleziona la release installata del prodotto.\n"
     "\n"
     "    --tier <diramazioni>   Propone solo le release delle diramazioni indicate,\n"
     "                         un elenco separato da virgole come stable,testing.\n"
     "                         Il valore predefinito è \"stable,release,current\".\n"
     "\n"
     "    --all-versions      Non filtra le release per diramazione. Con questa\n"
     "                         opzione l'Installer propone le release di tutte le\n"
     "                         diramazioni, comprese le release di anteprima.\n"
     "\n"},
    {"usage_install",
     " Opzioni di installazione:\n"
     "     --installation-type <nome tipo>\n"
     "                          Installa i componenti del tipo di installazione\n"
     "                          indicato (ad esempio 'Recommended' o 'Full') della\n"
     "                          release del prodotto selezionata.\n"
     "                          Esempi:\n"
     "                          1) i componenti consigliati dell'ultimo Zarni:\n"
     "                            --select-product-id zarni --select-release-latest \\\n"
     "                            --installation-type Recommended\n"
     "                          2) tutti i componenti di Zarni ZARNI_12_5_30:\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                            --installation-type Full\n"
     "\n"
     "     --install-component <id-componente>\n"
     "                          Installa il componente indicato della release del\n"
     "                          prodotto selezionata. Ripetere l'opzione per\n"
     "                          installare più componenti.\n"
     "                          Esempi:\n"
     "                          1) aggiungere la webmail Horde a Zarni installato:\n"
     "                            --select-product-id zarni --select-release-current \\\n"
     "                            --install-component horde\n"
     "                          2) installare Zarni 12.5.30 con pannello e Postfix:\n"
     "                            --select-product-id zarni \\\n"
     "                            --select-release-id ZARNI_12_5_30 \\\n"
     "                            --install-component panel --install-component postfix\n"
     "\n"
     " --set-option <setting_name>=<setting_value>\n"
     "                          Imposta un valore di componente del prodotto indicato\n"
     "                          dal --select-product-id precedente. Ripetere l'opzione\n"
     "                          per impostare più valori.\n"
     "\n"},
    {"usage_remove",
     " Opzioni di rimozione:\n"
     "    --remove-component <id-componente>\n"
     "                         Rimuove il componente indicato del prodotto\n"
     "                         selezionato. Ripetere l'opzione per rimuovere più\n"
     "                         componenti.\n"
     "                         Esempi:\n"
     "                         1) rimuovere la webmail Horde da Zarni:\n"
     "                           --select-product-id zarni --remove-component horde\n"
     "                         2) rimuovere due componenti contemporaneamente:\n"
     "                           --select-product-id zarni \\\n"
     "                           --remove-component horde \\\n"
     "                           --remove-component postfix\n"
     "\n"
     "    --remove-everything   Rimuove tutti i componenti del prodotto selezionato,\n"
     "                         ovvero rimuove il prodotto stesso.\n"
     "                         Esempio (rimozione di Zarni):\n"
     "                           --select-product-id zarni --remove-everything\n"
     "\n"
     "    --interactive-uninstall\n"
     "                         Insieme a --remove-everything, attende la pressione\n"
     "                         di Invio prima della chiusura di Zarni Installer.\n"
     "\n"},
    {"usage_upgrade",
     " Opzioni di upgrade:\n"
     "    --upgrade-installed-components\n"
     "                         Esegue l'upgrade dei componenti installati del\n"
     "                         prodotto selezionato alla release selezionata.\n"
     "                         Esempi:\n"
     "                         1) installare gli ultimi aggiornamenti di Zarni:\n"
     "                           --select-product-id zarni --select-release-current \\\n"
     "                           --upgrade-installed-components\n"
     "                         2) upgrade di Zarni alla release ZARNI_12_5_30:\n"
     "                         --select-product-id zarni \\\n"
     "                         --select-release-id ZARNI_12_5_30 \\\n"
     "                         --upgrade-installed-components\n"
     "\n"
     "    --include-components-from-class <class>\n"
     "                         Esegue l'upgrade solo dei componenti installati del\n"
     "                         prodotto selezionato che appartengono alla classe\n"
     "                         indicata, ad esempio aspect=panel. Ripetere l'opzione\n"
     "                         per indicare più classi.\n"
     "\n"},
    {"usage_no_warn",
     " Opzioni di verifica dei componenti:\n"
     "    --skip-components-check\n"
     "                          Non esegue le verifiche dei componenti e del prodotto\n"
     "                          prima e dopo l'installazione. Zarni Installer esegue\n"
     "                          queste verifiche per individuare problemi che\n"
     "                          potrebbero danneggiare i dati, quindi saltarle solo\n"
     "                          se si è certi che l'installazione sia sicura.\n"
     "\n"},
    {"usage_list",
     " Opzioni per elencare prodotti, release e componenti:\n"
     "    --show-releases      Elenca le release disponibili del prodotto selezionato\n"
     "                         (Zarni se non è selezionato alcun prodotto), con i\n"
     "                         relativi ID release e diramazioni. Zarni Installer\n"
     "                         elenca solo le release delle diramazioni \"stable\",\n"
     "                         \"release\" e \"current\", a meno che non si utilizzi\n"
     "                         --all-versions o si indichino altre diramazioni con\n"
     "                         --tier.\n"
     "\n"
     "    --show-all-releases    Elenca tutti i prodotti disponibili e le release.\n"
     "\n"
     "    --show-os-list        Elenca i sistemi operativi per cui è compilata la\n"
     "                         release selezionata.\n"
     "\n"
     "    --show-installation-types\n"
     "                         Elenca i tipi di installazione della release\n"
     "                         selezionata.\n"
     "\n"
     "    --show-components    Elenca i componenti della release selezionata e indica\n"
     "                         se ciascuno è installato, aggiornabile o aggiornato.\n"
     "                         Utilizzare gli ID dei componenti mostrati con\n"
     "                         --install-component e\n"
     "    --remove-component.\n"
     "\n"
     "    --show-upgradable-components\n"
     "                         Elenca solo i componenti aggiornabili.\n"
     "\n"
     "    --show-options        Insieme a --show-components, mostra anche le\n"
     "                         impostazioni di ciascun componente. Non può essere\n"
     "                         combinata con --show-upgradable-components.\n"
     "\n"
     "    --show-packages      Insieme alle opzioni di installazione, upgrade o\n"
     "                         rimozione, mostra solo i pacchetti che verrebbero\n"
     "                         installati [I], aggiornati [U] o rimossi [R], senza\n"
     "                         modificare nulla.\n"
     "\n"},
    {"usage_automation",
     " Opzioni di automazione:\n"
     "    --enable-xml-output  Stampa le risposte e i messaggi di stato in formato\n"
     "                         XML, per script e altri programmi. L'installazione\n"
     "                         viene quindi eseguita in background.\n"
     "\n"
     "    --query-status       Mostra se Zarni Installer è in esecuzione e, in tal\n"
     "                         caso, la fase e il passaggio del suo lavoro. Lo stato\n"
     "                         della risposta è uno dei seguenti:\n"
     "                           query_ok   - Zarni Installer non è in esecuzione\n"
     "                           query_busy - Zarni Installer è in esecuzione\n"
     "\n"
     "    --check-updates     Verifica se sono disponibili aggiornamenti per il\n"
     "                         prodotto selezionato (Zarni se non è selezionato alcun\n"
     "                         prodotto).\n"
     "                         Esempio:\n"
     "                           --select-product-id zarni --check-updates\n"
     "\n"
     "    --no-daemon        Con --enable-xml-output, installa in primo piano e\n"
     "                         attende la fine dell'installazione.\n"
     "\n"},
    {"usage_web",
     " Opzioni dell'interfaccia web:\n"
     "    --web-interface     Esegue la procedura guidata di installazione in un\n"
     "                         browser web anziché nella console. La procedura\n"
     "                         guidata è disponibile sulla porta 8447.\n"
     "\n"
     "    --ssl-cert <file.pem>\n"
     "                         File con il certificato e la chiave privata per HTTPS.\n"
     "                         Per impostazione predefinita viene creato un\n"
     "                         certificato autofirmato.\n"
     "\n"
     "    --without-ssl       Fornisce l'interfaccia web tramite HTTP semplice.\n"
     "\n"},
    {"usage_override",
     " Opzioni che sostituiscono il sistema operativo rilevato:\n"
     "    --override-os-name <arg>\n"
     "                         Utilizza il nome del sistema operativo indicato anziché\n"
     "                         quello rilevato.\n"
     "\n"
     "    --override-os-vendor <arg>\n"
     "                         Utilizza il produttore del sistema operativo indicato\n"
     "                         anziché quello rilevato.\n"
     "\n"
     "    --override-os-version <arg>\n"
     "                         Utilizza la versione del sistema operativo indicata\n"
     "                         anziché quella rilevata.\n"
     "\n"
     "    --override-os-arch <arg>\n"
     "                         Utilizza l'architettura indicata anziché quella\n"
     "                         rilevata.\n"
     "\n"
     "    --override-environment <arg>\n"
     "                         Utilizza l'ambiente indicato anziché quello rilevato:\n"
     "                         'dedicated' o 'cq'.\n"
     "\n"},
    {"usage_console",
     " Opzioni dell'interfaccia interattiva della console:\n"
     "    --no-clear           Non cancella lo schermo quando si passa da una pagina\n"
     "                         all'altra della procedura guidata.\n"
     "\n"},
    {"usage_feedback",
     " Opzioni di feedback:\n"
     "    --enable-feedback    Consente a Zarni Installer di inviare una segnalazione\n"
     "                         di errore agli sviluppatori di Zarni quando si\n"
     "                         verifica un problema.\n"
     "\n"
     "    --disable-feedback   Non invia segnalazioni di errore. Zarni Installer\n"
     "                         ricorda la scelta per le esecuzioni successive.\n"
     "\n"},
    {"usage_logging",
     " Opzioni di log e notifica:\n"
     "    --notify-email <email>\n"
     "                         Al termine di Zarni Installer, invia un rapporto sul\n"
     "                         risultato all'indirizzo email indicato.\n"
     "\n"
     "    --truncate-log         Svuota il file di log di Zarni Installer all'avvio.\n"
     "\n"
     "    --separate-logs        Scrive un file di log separato per ogni esecuzione di\n"
     "                         Zarni Installer.\n"
     "\n"
     "    --debug               Scrive le informazioni di debug nel file di log.\n"
     "\n"},
    {"usage_help",
     " Opzioni di guida e versione di Zarni Installer:\n"
     "    --version            Mostra la versione di Zarni Installer.\n"
     "\n"
     "    --usage,\n"
     "    --help               Mostra una panoramica dell'interfaccia a comandi.\n"
     "\n"
     " --help-options       Mostra questa guida sull'interfaccia basata su opzioni.\n"
     "\n"},
    {"usage_obsolete",
     " Opzioni obsolete:\n"
     "    --disable-zarni-sys-updates\n"
     "                         Disattivava gli aggiornamenti del sistema operativo\n"
     "                         forniti con Zarni. È ancora accettata, ma non modifica\n"
     "                         più ciò che viene installato.\n"
     "\n"
     "    --install-everything\n"
     "                         Installa tutti i componenti della release del prodotto\n"
     "                         selezionata. Utilizzare invece\n"
     "                         --installation-type 'Full'.\n"
     "\n"
     "    --branch <tiers>     Equivale a --tier.\n"
     "\n"
     "    --skip-branch-filter\n"
     "                         Equivale a --all-versions.\n"
     "\n"},
    {"usage_deprecated",
     " Opzioni deprecate (accettate, ma ignorate con un avviso):\n"
     "    --source-type      Impostava il tipo di origine dell'installazione. Il\n"
     "                          tipo ora viene riconosciuto dal valore di --source.\n"
     "\n"
     "    --add-source       Aggiungeva un'origine di pacchetti supplementare.\n"
     "\n"
     "     --show-additional-source-types\n"
     "                         Elencava i tipi di origini di pacchetti supplementari.\n"
     "\n"
     "     --show-additional-sources\n"
     "                         Elencava le origini di pacchetti supplementari.\n"
     "\n"
     "    --mirror-os          Creava il mirror delle versioni dei prodotti per un\n"
     "                         altro sistema operativo.\n"
     "\n"
     "    --install-system-only\n"
     "                          Installava solo i pacchetti di sistema\n"
     "                          di Zarni Tenebrin.\n"
     "\n"
     "    --allow-kernel-install\n"
     "                          Consentiva l'installazione dei pacchetti del kernel.\n"
     "\n"
     "    --disable-major-updates\n"
     "                          Impediva l'upgrade a una nuova release principale.\n"
     "                          Selezionare invece la release da installare con\n"
     "                          --select-release-id o --select-release-current.\n"
     "\n"
     "    --upgrade-system-packages\n"
     "                         Aggiornava anche i pacchetti del sistema operativo.\n"
     "\n"
     "    --reinstall-patch    Reinstallava l'ultima patch dei prodotti selezionati.\n"
     "                         L'interfaccia basata su comandi ignora allo stesso modo\n"
     "                         --repatch.\n"
     "\n"
     "    --skip-patch         Saltava l'installazione delle patch. L'interfaccia\n"
     "                         basata su comandi la ignora allo stesso modo.\n"
     "\n"
     "    --no-space-check      Saltava la verifica dello spazio libero su disco.\n"
     "\n"},
    {"usage_end", "Per informazioni sull'interfaccia basata su comandi, vedere 'installer help'.\n"},
    {"usage_commands",
     "Utilizzo: installer COMANDO [OPZIONI]\n"
     "\n"
     "Comandi:\n"
     "   list    Elenca prodotti, release, preset e componenti disponibili\n"
     "   list-all Elenca tutti i prodotti disponibili e le loro release\n"
     "   install Installa una release di un prodotto\n"
     "   update    Installa gli ultimi aggiornamenti dei prodotti installati\n"
     "   add        Aggiunge componenti a un prodotto installato\n"
     "   remove   Rimuove componenti da un prodotto installato\n"
     "   upgrade Esegue l'upgrade di un prodotto installato a un'altra release\n"
     "   stop      Arresta un’istanza in esecuzione di Zarni Installer\n"
     "   version Mostra la versione di Zarni Installer\n"
     "   help       Mostra la guida di un comando\n"
     "\n"
     "Vedere 'installer help COMANDO' per la guida su un comando specifico.\n"
     "Vedere 'installer --help-options' per la guida sull'interfaccia a opzioni.\n"},
    {"usage_cmd_prefix", "Utilizzo: installer "},
    {"usage_cmd_version", "Mostra la versione di Zarni Installer."},
    {"usage_cmd_help",
     "Senza COMMAND, elenca i comandi. Con COMMAND, mostra la guida di quel comando;\n"
     "aggiungere --verbose (-v) per vederne più opzioni."},
    {"usage_cmd_list_all", "Elenca tutti i prodotti disponibili e le loro release."},
    {"usage_cmd_list",
     "Elenca i prodotti e le release disponibili. Per una release esatta (un ID\n"
     "release, oppure un ID prodotto e una versione), elenca i suoi preset di\n"
     "installazione (--presets), i suoi componenti (--components, con le relative\n"
     "impostazioni se si aggiunge --options) o la configurazione del gestore di\n"
     "pacchetti di sistema per la release (--sources)."},
    {"usage_cmd_install",
     "Installa una release di un prodotto. Senza selettori viene installata l'ultima\n"
     "release disponibile di Zarni. Scegliere i componenti con un preset (--preset,\n"
     "modificabile con --with e --without) oppure indicarli con --components."},
    {"usage_cmd_upgrade",
     "Esegue l'upgrade di un prodotto installato a un'altra release. Indicare la\n"
     "release con il suo ID release, con un ID prodotto e una versione, oppure con\n"
     "un ID prodotto e una diramazione (viene presa l'ultima release di quella\n"
     "diramazione). Senza una release esatta vengono elencate le release disponibili."},
    {"usage_cmd_update",
     "Installa gli ultimi aggiornamenti di tutti i prodotti installati, o solo di\n"
     "PRODUCT, senza eseguirne l'upgrade a un'altra release."},
    {"usage_cmd_add", "Aggiunge componenti a un prodotto installato."},
    {"usage_cmd_remove", "Rimuove componenti da un prodotto installato."},
    {"usage_cmd_add_remove_tail", "Il prodotto può essere omesso se ne è installato uno solo.\n"},
    {"usage_cmd_stop",
     "Arresta un’istanza in esecuzione di Zarni Installer. Si arresta al successivo\n"
     "punto sicuro; con --terminate si arresta anche durante l’installazione dei\n"
     "pacchetti."},
    {"usage_components",
     "COMPONENTS è un elenco di ID di componenti. Separarli con spazi o virgole,\n"
     "oppure ripetere l'opzione:\n"
     "   --components panel horde\n"
     "   --components panel,horde\n"
     "   --components panel --components horde\n"},
    {"usage_verbose",
     "Aggiungere '--verbose' (o '-v') per vedere più opzioni, '--verbose=2' per\n"
     "vederle tutte."},
    {"usage_hdr_command_opts", "Opzioni del comando"},
    {"usage_hdr_general_opts", "Opzioni generali"},
    {"usage_hdr_download_opts", "Opzioni di download"},
    {"usage_hdr_proxy_opts", "Opzioni del proxy"},
    {"usage_hdr_skip_opts", "Opzioni per saltare passaggi"},
    {"usage_hdr_env_opts", "Opzioni di sostituzione del sistema operativo"},
    {"usage_opt_source",
     "Origine dell'installazione: URL del server degli aggiornamenti o di un mirror, oppure percorso assoluto di una directory locale"},
    {"usage_opt_target", "Directory per i file scaricati"},
    {"usage_opt_tries", "Numero di tentativi per un download non riuscito (predefinito: 3)"},
    {"usage_opt_ext", "URL del Catalogo delle estensioni da utilizzare al posto di quello indicato dal prodotto"},
    {"usage_opt_proxy_host", "Nome host o indirizzo IP del server proxy"},
    {"usage_opt_proxy_port", "Porta del server proxy (predefinita: 3128)"},
    {"usage_opt_proxy_user", "Nome utente per l'autenticazione al proxy"},
    {"usage_opt_proxy_pass", "Password per l'autenticazione al proxy"},
    {"usage_opt_skip_examine", "Non eseguire le verifiche dei componenti e del prodotto prima e dopo l'installazione"},
    {"usage_opt_skip_gpg", "Non verificare le firme GPG dei pacchetti"},
    {"usage_opt_skip_cleanup", "Mantenere la configurazione dei repository dei pacchetti all'uscita del programma di installazione"},
    {"usage_opt_no_self_upgrade", "Non sostituire Zarni Installer con una sua versione più recente o meno recente"},
    {"usage_opt_help", "Mostra la guida del comando"},
    {"usage_opt_xml", "Stampa le risposte e i messaggi di stato in formato XML"},
    {"usage_opt_debug", "Scrive le informazioni di debug nel file di log"},
    {"usage_opt_truncate_log", "Svuota il file di log di Zarni Installer all'avvio"},
    {"usage_opt_separate_log", "Scrive un file di log separato per ogni esecuzione di Zarni Installer"},
    {"usage_opt_email", "Al termine di Zarni Installer, invia un rapporto sul risultato a questo indirizzo email"},
    {"usage_opt_verbose", "Mostra più opzioni nella guida: 1 per più opzioni, 2 per tutte le opzioni"},
    {"usage_opt_completion", "Stampa le opzioni del comando per il completamento della shell (JSON)"},
    {"usage_opt_override_os_name", "Nome del sistema operativo da utilizzare al posto di quello rilevato"},
    {"usage_opt_override_os_vendor", "Produttore del sistema operativo da utilizzare al posto di quello rilevato"},
    {"usage_opt_override_os_version", "Versione del sistema operativo da utilizzare al posto di quella rilevata"},
    {"usage_opt_override_os_arch", "Architettura da utilizzare al posto di quella rilevata"},
    {"usage_opt_override_env", "Ambiente da utilizzare al posto di quello rilevato: 'dedicated' o 'cq'"},
    {"usage_opt_list_presets", "Elenca i preset di installazione della release"},
    {"usage_opt_list_components", "Elenca i componenti della release"},
    {"usage_opt_list_options", "Con --components, mostra anche le impostazioni di ciascun componente"},
    {"usage_opt_dry_run",
     "Non modifica nulla; mostra solo i pacchetti che verrebbero installati [I], aggiornati [U] o rimossi [R]"},
    {"usage_opt_install_preset",
     "Installa i componenti di questo preset (tipo di installazione), ad esempio 'Recommended' o 'Full'"},
    {"usage_opt_install_with", "Componenti da installare in aggiunta al preset"},
    {"usage_opt_install_without", "Componenti del preset da non installare"},
    {"usage_opt_install_components", "Componenti da installare, al posto di un preset"},
    {"usage_opt_install_options", "Impostazioni dei componenti, ciascuna nella forma name=value"},
    {"usage_opt_update_panel_only",
     "Installa solo gli aggiornamenti di Zarni stesso, non quelli degli altri servizi gestiti da Zarni"},
    {"usage_opt_addremove_components", "Componenti da aggiungere o rimuovere"},
    {"usage_opt_stop_terminate",
     "Arresta Zarni Installer anche durante l’installazione dei pacchetti (invia SIGTERM anziché SIGHUP)"},
    {"error_supp_need", "È possibile cercare una soluzione nel sito di supporto di Zarni all'indirizzo https://support.zarni.example/"},
    {"os_win2003_not_supported",
     "Windows Server 2003 non è più supportato da Zarni. "
     "In base ai criteri sul ciclo di vita di Zarni (https://www.zarni.example/legal/lifecycle-policy/), si consiglia di utilizzare una versione più recente del sistema operativo."},
    {"os_win2008_not_supported_product_installed",
     "Windows Server 2008 non è più supportato da Zarni. "
     "In base ai criteri sul ciclo di vita di Zarni (https://www.zarni.example/legal/lifecycle-policy/), si consiglia di utilizzare una versione più recente del sistema operativo. "
     "Per spostare Zarni su un server con un sistema operativo supportato, seguire la guida alla migrazione (https://www.zarni.example/en/121368)."},
    {"os_win2008_not_supported_product_not_installed",
     "Windows Server 2008 non è più supportato da Zarni. "
     "In base ai criteri sul ciclo di vita di Zarni (https://www.zarni.example/legal/lifecycle-policy/), si consiglia di utilizzare una versione più recente del sistema operativo."},
    {"os_win2008r2_not_supported_product_installed",
     "Windows Server 2008 R2 non è più supportato da Zarni. "
     "In base ai criteri sul ciclo di vita di Zarni (https://www.zarni.example/legal/lifecycle-policy/), si consiglia di utilizzare una versione più recente del sistema operativo. "
     "Per spostare Zarni su un server con un sistema operativo supportato, seguire la guida alla migrazione (https://www.zarni.example/en/121368)."},
    {"os_win2008r2_not_supported_product_not_installed",
     "Windows Server 2008 R2 non è più supportato da Zarni. "
     "In base ai criteri sul ciclo di vita di Zarni (https://www.zarni.example/legal/lifecycle-policy/), si consiglia di utilizzare una versione più recente del sistema operativo."},
};

}  // namespace

void loadInstallerMessages_it_IT(Messages::messages_rep& catalogue)
{
    loadMessageTable(catalogue, kTable);
}

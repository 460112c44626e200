// French texts of the installer messages: program name, help pages, wizard, progress and status texts.
#include "messages/MessageLoaders.h"

namespace {

const MessagePair kTable[] = {
    {"Kitwright", "Programme d'installation de Zarni"},
    {"usage_cmd_list_tail", "Exemples\u00a0:\n  Afficher les produits disponibles\u00a0:\n    list\n Afficher les dernières révisions de Zarni avec les niveaux par défaut\u00a0:\n    list %1%\n Afficher toutes les révisions disponibles de Zarni\u00a0:\n    list %1% all\n Afficher la dernière préversion disponible de Zarni (niveau 'testing')\u00a0:\n    list %1% testing\n Afficher les composants de Zarni %2% (sélection par ID de produit et version)\u00a0:\n    list %1% %2% --components\n Afficher les préréglages de Zarni %2% (sélection par ID de révision)\u00a0:\n    list %3% --presets\n"},
    {"usage_cmd_install_tail", "Exemples\u00a0:\n  Installer l'ensemble de composants recommandé de la dernière révision de Zarni\ndisponible pour tous\u00a0:\n    install\n Installer la dernière préversion disponible de Zarni\u00a0:\n    install testing\n Installer Zarni\u00a0%2% (sélection par version)\u00a0:\n    install %1% %2%\n Installer l'ensemble complet des composants de Zarni sans la prise en charge\n de Java ni le webmail Horde (révision sélectionnée par ID)\u00a0:\n    install %3% --preset Full --without java horde\n"},
    {"usage_cmd_upgrade_tail", "Exemples\u00a0:\n  Mettre à niveau vers Zarni\u00a0%2% (sélection par ID de produit et version)\u00a0:\n    upgrade %1% %2%\n Mettre à niveau vers Zarni\u00a0%2% (sélection par ID de révision)\u00a0:\n    upgrade %3%\n Mettre à niveau vers la dernière révision stable disponible de Zarni\u00a0:\n    upgrade %1% stable\n"},
    {"usage_cmd_update_tail", "Exemples\u00a0:\n  Installer les dernières mises à jour de tous les produits installés\u00a0:\n    update\n Mettre à jour l'installation de Zarni\u00a0:\n    update %1%\n Installer uniquement les mises à jour de Zarni, sans mettre à jour si possible\n les autres services gérés par Zarni (uniquement pour le produit '%1%')\u00a0:\n    update --panel-only\n"},
    {"usage_selector", "Chaque SELECTOR est l'un des éléments suivants\u00a0:\n  ID de produit,       par ex. '%1%'\n  niveau de révision,  par ex. 'stable' ou 'all' (tout) sans filtre de niveau\n  version de révision, par ex. '%2%'\n  ID de révision,      par ex. '%3%'\n\nUtilisez la commande 'list' pour vérifier quels sélecteurs sont valides.\n"},
    {"usage_product", "PRODUCT est un sélecteur d'ID de produit, par ex. '%1%'.\nUtilisez la commande 'list' pour vérifier quels ID de produit sont valides.\n"},
    {"download_file", "Téléchargement du fichier "},
    {"download_total_progress", "(%s sur %s) "},
    {"download_retry_progress", " (nouvel essai %s sur %s)"},
    {"download_retry", "%s. Nouvel essai dans %s\u00a0seconde(s)..."},
    {"progress_stage_init", "Le Programme d'installation de Zarni a démarré"},
    {"progress_stage_prep", "Préparation du système"},
    {"progress_stage_resolv", "Résolution des paquets"},
    {"progress_stage_download", "Téléchargement des paquets"},
    {"dpkg_register_new_arch", "Enregistrement de la prise en charge de l'architecture %s"},
    {"examine_unpassed", "La validation des composants et du produit a détecté au moins un problème important\u00a0:"},
    {"examine_post_results", "Résultats de la vérification des composants et du produit\u00a0:"},
    {"examine_signal", "La vérification a été arrêtée par le signal %s."},
    {"examine_time_limit", "La vérification ne s'est pas terminée en %s\u00a0secondes et a été arrêtée."},
    {"check_system_packages", "Recherche des paquets installés... "},
    {"read_system_packages", "Obtention des informations sur les paquets installés... "},
    {"status_not_locked", "Le Programme d'installation de Zarni n'est pas en cours d'exécution."},
    {"status_locked_by_another", "L'opération de mise à jour a été verrouillée par un autre processus de mise à jour."},
    {"status_daemon_launched", "Le démon du Programme d'installation de Zarni a été lancé."},
    {"status_busy", "Une autre instance du Programme d'installation de Zarni est déjà en cours d'exécution."},
    {"error_sys_stable", "Tous les paquets n'ont pas été installés."},
    {"error_sys_unsure", "Avertissement ! Tous les paquets n'ont pas été installés.\nVérifiez que les services de votre système fonctionnent."},
    {"error_sys_broken", "Attention ! Votre logiciel risque de ne pas fonctionner."},
    {"error_rep_none", ""},
    {"error_rep_again", "Essayez à nouveau d'installer les paquets plus tard."},
    {"error_supp_none", "Résolvez ce problème et essayez à nouveau d'installer les paquets."},
    {"components_allready_installed", "La dernière version des produits et tous les composants sélectionnés sont déjà installés. L'installation ne va pas continuer."},
    {"releases_no_avail", "L'installation ne va pas continuer car votre système d'exploitation\n\"%s\" n'est pas pris en charge.\n\nConsultez les notes de version de Zarni pour la liste complète\ndes systèmes d'exploitation pris en charge.\n"},
    {"insttypes_page_hdr1", "Sélectionnez le type d'installation de %s"},
    {"components_page_body2", "Sélectionnez les composants de %s que vous souhaitez installer :"},
    {"components_page_num_selected", "%s composants sélectionnés sur %s"},
    {"options_page_body2", "Les paramètres de %s composants doivent être indiqués.\n"},
    {"options_page_body5", "\nComposant '%s'\u00a0: tous les paramètres requis ont été définis.\n"},
    {"packages_page_body_install", "Il y a %s\u00a0paquets nécessaires au bon fonctionnement du produit qui\nn'ont pas été trouvés sur votre système.\n"},
    {"packages_page_body_upgrade", "Il y a %s\u00a0paquets à mettre à niveau\npour installer le produit.\n"},
    {"packages_page_body_remove", "Il y a %s\u00a0paquets installés qui seront supprimés.\n"},
    {"install_start", "Application des modifications au système"},
    {"install_ok", "Les modifications ont été appliquées avec succès."},
    {"err_send_mail", "Attention\u00a0! Échec de l'envoi du rapport d'installation par e-mail."},
    {"err_read_prodsinfo", "Échec de la lecture des informations sur le produit dans le fichier "},
    {"warn_deprecated_option", "AVERTISSEMENT\u00a0: l'option de ligne de commande '%s' est obsolète et sera ignorée."},
    {"err_chk_md5", "Échec du calcul de la somme de contrôle du fichier "},
    {"new_build_avail", "Avertissement\u00a0: un nouveau build du produit est disponible sur le serveur."},
    {"added_comps_by_deps", "Les composants suivants seront installés car ils sont requis par les composants que vous avez sélectionnés :"},
    {"removed_comps_by_deps", "Les composants suivants seront supprimés car ils sont en conflit avec les composants que vous avez choisi d'installer ou nécessitent les composants que vous avez choisi de supprimer\u00a0:"},
    {"err_dep_from_pkg_unresolved", "%s : aucune solution appropriée n'a été trouvée\npour la dépendance \"%s\".\n"},
    {"err_pkg_downgrade", "Impossible de rétrograder le paquet '%s' vers la version %s :\n  la version %s est actuellement installée."},
    {"err_pkg_clash", "Les paquets \"%s\" et \"%s\" ne peuvent pas être installés en même temps"},
    {"err_pkg_fileconfl", "en raison du conflit avec le fichier \"%s\""},
    {"err_pkg_depconfl", "car \"%s\" est en conflit avec \"%s\"."},
    {"pkg_select_reason", "Le paquet \"%s\" a été choisi en raison des dépendances suivantes :"},
    {"pkg_select_depend", "    \"%s\" de \"%s\""},
    {"deps_report_head", "Les éléments suivants peuvent être la cause de l'échec de l'installation :"},
    {"deps_long_report", "D'autres problèmes ont également été rencontrés. Pour plus de détails,\nconsultez le fichier journal : %s.\n"},
    {"user_canceled", "Interrompu par l'utilisateur"},
    {"goto_webinterface_url", "\nL'interface Web est maintenant démarrée.\n  Ouvrez %s dans votre navigateur.\n\n"},
    {"upgrade_from_not_supported_versions", "Vous pouvez mettre à niveau %s uniquement vers %s ou une version antérieure. Pour effectuer la mise à niveau vers la dernière version, consultez l'article suivant\u00a0: %s"},
    {"stop_already_stopped", "Le programme d'installation de Zarni n'est pas en cours d'exécution."},
    {"stop_sent", "L'arrêt du programme d'installation de Zarni a été demandé."},
    {"download_completed", "déjà téléchargé"},
    {"download_done", "terminé"},
    {"download_all_done", "Tous les fichiers ont été téléchargés."},
    {"download_ext_catalog_feed", "Téléchargement du flux de l'Extensions Catalog..."},
    {"process_apt_get_update", "Mise à jour de l'index des paquets APT..."},
    {"question_continue", "Voulez-vous continuer ?"},
    {"question_show_settings",
     "Cela peut être dû à un problème de source d'installation, de connexion ou de paramètres du Programme d'installation.\n"
     "Le Programme d'installation va se fermer en raison d'une erreur irrécupérable.\n"
     "Voulez-vous afficher les paramètres actuels du Programme d'installation et la façon de les modifier\u00a0?"},
    {"examine_presetup", "Vérification des composants et du produit avant l'installation"},
    {"examine_postsetup", "Vérification des composants et du produit après l'installation"},
    {"examine_perform", "Vérification des composants et du produit..."},
    {"examine_skip_yesno",
     "Poursuivre l'installation ou la mise à niveau sans résoudre les problèmes\n"
     "détectés peut endommager vos données.\n"},
    {"wizard_current_settings", "Paramètres actuels :"},
    {"yesno_retry", "Tapez Y pour oui ou N pour non"},
    {"message_press_enter", "(appuyez sur Entrée pour continuer)"},
    {"releases_reporter_no_updates", "Aucune mise à jour n'est disponible."},
    {"releases_reporter_list_empty", "Aucun produit n'est disponible pour l'installation."},
    {"releases_page_hdr", "Produits et versions"},
    {"releases_page_body", "Les versions de produits suivantes sont disponibles :"},
    {"releases_no_selected", "Aucune version de produit n'a été sélectionnée."},
    {"releases_upgrade_request1", "La version de produit "},
    {"releases_upgrade_request2",
     " est installée.\n"
     "Voulez-vous la mettre à niveau ?"},
    {"wizard_legend_header", "Actions disponibles\u00a0:"},
    {"wizard_legend_f_forward", "(F) Suivant"},
    {"wizard_legend_b_back", "(B) Précédent"},
    {"wizard_legend_q_quit", "(Q) Annuler l'installation"},
    {"wizard_legend_s_advanced_settings", "(S) Afficher les paramètres avancés"},
    {"wizard_legend_a_select_all", "(A) Tout sélectionner"},
    {"wizard_legend_d_deselect_all", "(D) Tout désélectionner"},
    {"wizard_legend_f_forward_specify_params", "(F) Suivant et indiquer les paramètres"},
    {"wizard_legend_f_forward_skip_params", "(F) Suivant sans modifier les paramètres"},
    {"wizard_legend_u_specify_undefined_params", "(U) Suivant et indiquer uniquement les paramètres non définis"},
    {"wizard_legend_r_redefine_params_all", "(R) Redéfinir tous les paramètres"},
    {"wizard_legend_r_redefine_params_one", "(R) Redéfinir les paramètres de ce composant"},
    {"wizard_legend_s_show_packages", "(S) Afficher la liste des paquets"},
    {"wizard_prompt_action", "Sélectionnez une action"},
    {"wizard_prompt_action_retry", "Tapez l'un des caractères de la légende ci-dessus"},
    {"wizard_prompt_action_or_number", "Sélectionnez une action ou un numéro"},
    {"wizard_prompt_action_or_number_retry", "Tapez un numéro ou le caractère d'une action de la légende ci-dessus"},
    {"wizard_prompt_number", "Sélectionnez un numéro"},
    {"wizard_prompt_number_retry", "Tapez l'un des numéros de la liste ci-dessus"},
    {"hello_page_hdr", "Assistant d'installation et de mise à niveau de Zarni"},
    {"hello_page_body",
     "Cet assistant vous aide à installer Zarni, à le mettre à niveau vers une\n"
     "révision plus récente et à ajouter ou supprimer ses composants.\n"
     "\n"
     "------ IMPORTANT ------\n"
     "\n"
     "* Sauvegardez vos données avant de mettre à niveau Zarni ou de supprimer l'un\n"
     "  de ses composants.\n"
     "\n"
     "* N'interrompez pas l'installation pendant l'installation des paquets.\n"
     "\n"
     "* Zarni est distribué selon le Contrat de licence utilisateur final de Zarni.\n"
     "  Lisez ses conditions sur http://www.zarni.example/legal/terms/ avant de\n"
     "  continuer\u00a0: en installant Zarni, vous les acceptez.\n"},
    {"source_product_source", " Installer les produits depuis\u00a0: "},
    {"source_target_dir", " Enregistrer les fichiers téléchargés dans\u00a0: "},
    {"source_from_zarni", "le serveur de mise à jour de Zarni"},
    {"source_from_network", "l'emplacement réseau"},
    {"source_from_local", "le répertoire local"},
    {"proxy_no_proxy", " Ne pas utiliser de proxy"},
    {"proxy_no_auth", " Ne pas utiliser l'authentification proxy"},
    {"proxy_proxy_host", " Utiliser un proxy HTTP (hôte:port)\u00a0: "},
    {"proxy_auth", " Utiliser l'authentification proxy, nom d'utilisateur\u00a0: "},
    {"settings_download_retries", " Nombre de nouvelles tentatives d'un téléchargement échoué : "},
    {"settings_page_hdr", "Paramètres avancés"},
    {"settings_page_body",
     "Ces paramètres (emplacement des paquets de distribution du produit, stockage\n"
     "des fichiers téléchargés, paramètres du proxy et des téléchargements) peuvent\n"
     "être définis soit dans la ligne de commande, soit dans le fichier de\n"
     "configuration.\n"
     "\n"
     " Ligne de commande                   | Fichier de configuration          | Synthèse\n"
     "-------------------------------------+-----------------------------------+--------------------\n"
     " --source <URL ou chemin>            | SOURCE=<URL ou path>              | source d'installation\n"
     " --target <dir>                      | TARGET=<dir>                      | dossier de téléchargement\n"
     " --proxy-host <hôte>                 | PROXY_HOST=<hôte>                 | hôte du proxy\n"
     " --proxy-port <port>                 | PROXY_PORT=<port>                 | port du proxy\n"
     " --proxy-user <utilisateur>          | PROXY_USER=<utilisateur>          | utilisateur du proxy\n"
     " --proxy-password <mot de passe>     | PROXY_PASSWORD=<mot de passe>     | mot de passe du proxy\n"
     " --download-retry-count <N>          | DOWNLOAD_RETRY_COUNT=<N>          | nouvelles tentatives\n"
     "\n"
     "Les arguments de la ligne de commande sont prioritaires sur le fichier de\n"
     "configuration. Le Programme d'installation lit le fichier de configuration au\n"
     "démarrage\u00a0; écrivez chaque paramètre sur sa propre ligne, par exemple\n"
     "PROXY_PORT=3128.\n"},
    {"settings_page_cfg", "Emplacement du fichier de configuration du Programme d'installation\u00a0: "},
    {"insttypes_page_hdr", "Types d'installation"},
    {"insttypes_page_body", "Un type d'installation est un ensemble prédéfini de composants. Sélectionnez-en un :"},
    {"components_page_hdr", "Liste des composants principaux"},
    {"components_page_hdr1", "Liste des composants principaux de "},
    {"components_page_body1", "Afficher les composants du produit :"},
    {"components_page_body3", "Sélectionnez les composants que vous souhaitez installer :"},
    {"components_page_bottom_toggle_components", "Saisissez un numéro pour changer l'état du composant correspondant."},
    {"components_page_bottom_toggle_groups", "Saisissez un numéro pour changer l'état du composant correspondant ou afficher le groupe (marqué par <+>)."},
    {"components_toggle_also", "Pour changer l'état de ce composant, vous devez également"},
    {"components_install_also", "installer ou mettre à niveau les composants suivants\u00a0: "},
    {"components_install_remove_them", "Voulez-vous le faire ?"},
    {"components_remove_also", "supprimer les composants suivants\u00a0: "},
    {"components_unmark_also", "désélectionner les composants suivants\u00a0: "},
    {"components_atleast_one", "Pour continuer, vous devez sélectionner au moins un composant."},
    {"components_deny_implicit_remove", "Pour supprimer ce composant ou ce groupe de composants, vous devez d'abord supprimer les composants qui ne peuvent pas être supprimés implicitement\u00a0: "},
    {"components_group_toggle_also", "Pour changer l'état de ces composants, vous devez également"},
    {"components_group_deny_conflict", "Impossible de changer l'état de ces composants car cela romprait les dépendances des composants suivants\u00a0: "},
    {"components_group_deny_conflict_suggestion", "Essayez plutôt de changer l'état des composants un par un."},
    {"need_also_message", "Les composants sélectionnés nécessiteront l'installation de paquets des composants suivants : \n"},
    {"need_also_remove_message", "Les composants sélectionnés nécessiteront la suppression de paquets des composants suivants\u00a0: \n"},
    {"options_page_hdr", "Paramètres des composants"},
    {"options_page_body1", " composants sélectionnés pour l'installation nécessitent que vous indiquiez certains paramètres.\n"},
    {"options_page_body3", "Vous devez indiquer maintenant tous les paramètres requis.\n"},
    {"options_page_body4", "Les paramètres de tous ces composants sont déjà définis.\n"},
    {"packages_page_hdr", "Modifications des paquets"},
    {"packages_no_reqpackages", "Aucun paquet ne doit être installé, mis à niveau ou supprimé."},
    {"install_remove", "Suppression des paquets\u00a0: "},
    {"install_again", "Remarque\u00a0: un nouveau build du produit a été publié pendant que le Programme d'installation de Zarni installait les paquets.\nVoulez-vous l'installer ?"},
    {"install_install_package", "Installation des paquets\u00a0: "},
    {"checking_comps_status", "Détection des composants installés du produit."},
    {"checking_deps", "Vérification des dépendances des paquets..."},
    {"err_set_proxyvar", "Avertissement\u00a0: échec de la définition de la variable d'environnement du proxy pour le gestionnaire de paquets."},
    {"err_no_librpm", "Erreur : impossible de charger librpm, la bibliothèque qui lit la base de données des paquets RPM."},
    {"err_no_pagers", "Avertissement\u00a0: impossible de trouver les utilitaires 'less' ou 'more'."},
    {"installling_pkgs", "Installation des paquets"},
    {"installing_pkglist", "Installation des paquets suivants :"},
    {"warn_apt_cdrom_in_source",
     "Avertissement\u00a0: votre liste de sources APT contient une source CD/DVD. Le\n"
     "Programme d'installation de Zarni risque de s'arrêter pour attendre le disque.\n"
     "Si le disque n'est pas disponible, supprimez les lignes cdrom de\n"
     "/etc/apt/sources.list et des fichiers de /etc/apt/sources.list.d/, puis\n"
     "relancez l'installation."},
    {"retype_password", "Retapez le mot de passe : "},
    {"webinterface_exit_by_timeout", " Le Programme d'installation de Zarni a été fermé après une longue période d'inactivité."},
    {"ask_customer_feedback", "Voulez-vous aider à améliorer Zarni en envoyant des rapports d'erreur aux\ndéveloppeurs de Zarni lorsqu'un problème survient\u00a0?"},
    {"press_enter_to_exit", "Appuyez sur ENTRÉE pour quitter ..."},
    {"comps_no_options", "Aucun des composants listés ne comporte de paramètres."},
    {"options_select_all_IPs", "Sélectionner toutes les adresses IP"},
    {"searching_need_pkgs", "Recherche des paquets nécessaires..."},
    {"confirm_uninstallation", "Voulez-vous vraiment supprimer %s et tous ses composants\u00a0?"},
    {"confirm_uninstallation_title", "Suppression de %s"},
    {"cancel_uninstallation", "Annuler la suppression"},
    {"error_supp_maybe", "Résolvez ce problème et essayez à nouveau d'installer les paquets.\nVous pouvez rechercher une solution sur le site d'assistance de Zarni\u00a0: https://support.zarni.example/"},
    {"usage_header",
     "Utilisation\u00a0: installer [OPTIONS]\n"
     "\n"
     "Le Programme d'installation de Zarni installe, met à niveau et supprime les\n"
     "produits Zarni et leurs composants. Lancé sans option, il démarre l'assistant\n"
     "interactif dans la console.\n"
     "\n"},
    {"usage_download",
     " Options de téléchargement\u00a0:\n"
     "    --source <URL ou chemin absolu>\n"
     "                         Prendre les produits sur le serveur de mise à jour\n"
     "                         ou le miroir indiqué, ou dans un répertoire local.\n"
     "                         Exemples de valeurs\u00a0:\n"
     "                           http://updates.zarni.example/\n"
     "                           http://mirror.zarni.example/zarni/\n"
     "                           /root/kestavine/mirror/\n"
     "\n"
     "    --target <rep>       Enregistrer les fichiers téléchargés dans le\n"
     "                         répertoire indiqué.\n"
     "                         Exemple de valeur\u00a0:\n"
     "                           /root/kestavine\n"
     "\n"
     "    --download-retry-count <nombre>\n"
     "                         Nombre de nouvelles tentatives d'un téléchargement\n"
     "                         échoué (par défaut\u00a0: 3).\n"
     "\n"},
    {"usage_proxy",
     " Options du proxy\u00a0:\n"
     "    --proxy-host <host> Nom d'hôte ou adresse IP du serveur proxy.\n"
     "\n"
     "    --proxy-port <port> Port du serveur proxy (par défaut\u00a0: 3128).\n"
     "\n"
     "    --proxy-user <user> Nom d'utilisateur pour l'authentification proxy.\n"
     "\n"
     "    --proxy-password <password>\n"
     "                         Mot de passe pour l'authentification proxy.\n"
     "\n"},
    {"usage_selectors",
     " Options de sélection du produit et de la révision\u00a0:\n"
     "    --select-product-id <id du produit>\n"
     "                         Sélectionner le produit auquel se rapportent les\n"
     "                         options suivantes. Choisissez la révision du produit\n"
     "                         avec l'une de ces options\u00a0:\n"
     "                           --select-release-id, --select-release-latest,\n"
     "                           --select-release-current\n"
     "\n"
     "    --select-release-id <id de la révision>\n"
     "                        Sélectionner la révision portant\n"
     "                        l'ID indiqué.\n"
     "\n"
     "    --select-release-latest\n"
     "                         Sélectionner la dernière révision disponible du\n"
     "                         produit.\n"
     "\n"
     "    --select-release-current\n"
     "                         Sélectionner la révision installée du produit.\n"
     "\n"
     "    --tier <niveaux>       Ne proposer que les révisions des niveaux\n"
     "                         indiqués, une liste séparée par des virgules comme\n"
     "                         stable,testing. Par défaut\u00a0: \"stable,release,current\".\n"
     "\n"
     "    --all-versions       Ne pas filtrer les révisions par niveau. Avec cette\n"
     "                         option, le Programme d'installation propose les\n"
     "                         révisions de tous les niveaux, préversions comprises.\n"
     "\n"},
    {"usage_install",
     " Options d'installation\u00a0:\n"
     "    --installation-type <nom du type>\n"
     "                         Installer les composants du type d'installation\n"
     "                         indiqué (par exemple 'Recommended' ou 'Full') de la\n"
     "                         révision sélectionnée du produit.\n"
     "                         Exemples\u00a0:\n"
     "                         1) les composants recommandés du dernier Zarni\u00a0:\n"
     "                           --select-product-id zarni --select-release-latest \\\n"
     "                           --installation-type Recommended\n"
     "                         2) tous les composants de la révision ZARNI_12_5_30\u00a0:\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --installation-type Full\n"
     "\n"
     "    --install-component <component id>\n"
     "                         Installer le composant indiqué de la révision\n"
     "                         sélectionnée du produit. Répétez l'option pour\n"
     "                         installer plusieurs composants.\n"
     "                         Exemples\u00a0:\n"
     "                         1) ajouter le webmail Horde au Zarni installé\u00a0:\n"
     "                           --select-product-id zarni --select-release-current \\\n"
     "                           --install-component horde\n"
     "                         2) installer Zarni\u00a012.5.30 avec le panel et Postfix\u00a0:\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --install-component panel --install-component postfix\n"
     "\n"
     "    --set-option <setting_name>=<valeur_paramètre>\n"
     "                         Définir un paramètre de composant du produit désigné\n"
     "                         par le --select-product-id précédent. Répétez\n"
     "                         l'option pour définir plusieurs paramètres.\n"
     "\n"},
    {"usage_remove",
     " Options de suppression\u00a0:\n"
     "    --remove-component <component id>\n"
     "                         Supprimer le composant indiqué du produit\n"
     "                         sélectionné. Répétez l'option pour supprimer\n"
     "                         plusieurs composants.\n"
     "                         Exemples\u00a0:\n"
     "                         1) supprimer le webmail Horde de Zarni\u00a0:\n"
     "                           --select-product-id zarni --remove-component horde\n"
     "                         2) supprimer deux composants à la fois\u00a0:\n"
     "                           --select-product-id zarni \\\n"
     "                           --remove-component horde \\\n"
     "                           --remove-component postfix\n"
     "\n"
     "    --remove-everything Supprimer tous les composants du produit\n"
     "                         sélectionné, c'est-à-dire le produit lui-même.\n"
     "                         Exemple (supprimer Zarni)\u00a0:\n"
     "                           --select-product-id zarni --remove-everything\n"
     "\n"
     "    --interactive-uninstall\n"
     "                         Avec --remove-everything, attendre la touche Entrée\n"
     "                         avant que le Programme d'installation de Zarni ne se\n"
     "                         ferme.\n"
     "\n"},
    {"usage_upgrade",
     " Options de mise à niveau\u00a0:\n"
     "    --upgrade-installed-components\n"
     "                         Mettre à niveau les composants installés du produit\n"
     "                         sélectionné vers la révision sélectionnée.\n"
     "                         Exemples\u00a0:\n"
     "                         1) installer les dernières mises à jour du Zarni\n"
     "                         installé\u00a0:\n"
     "                           --select-product-id zarni --select-release-current \\\n"
     "                           --upgrade-installed-components\n"
     "                         2) mise à niveau vers Zarni\u00a0ZARNI_12_5_30\u00a0:\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --upgrade-installed-components\n"
     "\n"
     "    --include-components-from-class <class>\n"
     "                         Mettre à niveau uniquement les composants installés\n"
     "                         du produit sélectionné qui appartiennent à la classe\n"
     "                         indiquée, par exemple aspect=panel. Répétez l'option\n"
     "                         pour indiquer plusieurs classes.\n"
     "\n"},
    {"usage_no_warn",
     " Options de vérification des composants\u00a0:\n"
     "    --skip-components-check\n"
     "                       Ne pas exécuter les vérifications des composants et du\n"
     "                       produit avant et après l'installation. Le Programme\n"
     "                       d'installation de Zarni effectue ces vérifications pour\n"
     "                       détecter les problèmes qui pourraient endommager vos\n"
     "                       données\u00a0; ne les ignorez que si vous êtes sûr que\n"
     "                       l'installation ne présente aucun risque.\n"
     "\n"},
    {"usage_list",
     " Options d'affichage des produits, des révisions et des composants\u00a0:\n"
     "    --show-releases      Afficher les révisions disponibles du produit\n"
     "                         sélectionné (Zarni si aucun produit n'est\n"
     "                         sélectionné), avec leurs ID de révision et leurs\n"
     "                         niveaux. Le Programme d'installation de Zarni\n"
     "                         n'affiche que les révisions des niveaux \"stable\",\n"
     "                         \"release\" et \"current\", sauf si vous utilisez\n"
     "                         --all-versions ou indiquez d'autres niveaux avec\n"
     "                         --tier.\n"
     "\n"
     "    --show-all-releases Afficher tous les produits disponibles et leurs\n"
     "                         révisions.\n"
     "\n"
     "    --show-os-list       Afficher les systèmes d'exploitation pour lesquels la\n"
     "                         révision sélectionnée est construite.\n"
     "\n"
     "    --show-installation-types\n"
     "                         Afficher les types d'installation de la révision\n"
     "                         sélectionnée.\n"
     "\n"
     "    --show-components    Afficher les composants de la révision sélectionnée\n"
     "                         et indiquer si chacun est installé, peut être mis à\n"
     "                         niveau ou est à jour. Utilisez les ID de composant\n"
     "                         affichés avec --install-component et\n"
     "                         --remove-component.\n"
     "\n"
     "    --show-upgradable-components\n"
     "                         Afficher uniquement les composants qui peuvent être\n"
     "                         mis à niveau.\n"
     "\n"
     "    --show-options       Avec --show-components, afficher également les\n"
     "                         paramètres de chaque composant. Ne peut pas être\n"
     "                         combinée avec --show-upgradable-components.\n"
     "\n"
     "    --show-packages      Avec les options d'installation, de mise à niveau ou\n"
     "                         de suppression, afficher uniquement les paquets qui\n"
     "                          seraient installés [I], mis à niveau [U] ou\n"
     "                         supprimés [R], sans rien modifier.\n"
     "\n"},
    {"usage_automation",
     " Options d'automatisation\u00a0:\n"
     "    --enable-xml-output Afficher les réponses et les messages d'état au format\n"
     "                         XML, pour les scripts et les autres programmes.\n"
     "                        Une installation s'exécute alors en\n"
     "                        arrière-plan.\n"
     "\n"
     "    --query-status       Indiquer si le Programme d'installation de Zarni est\n"
     "                          en cours d'exécution et, si c'est le cas, l'étape et\n"
     "                        le pas de son travail. Le statut de la réponse est\u00a0:\n"
     "                        query_ok   - le programme ne s'exécute pas\n"
     "                        query_busy - le programme s'exécute\n"
     "\n"
     "    --check-updates      Vérifier si des mises à jour sont disponibles pour le\n"
     "                         produit sélectionné (Zarni si aucun produit n'est\n"
     "                         sélectionné).\n"
     "                         Exemple\u00a0:\n"
     "                           --select-product-id zarni --check-updates\n"
     "\n"
     "    --no-daemon          Avec --enable-xml-output, installer au premier plan\n"
     "                         et attendre la fin de l'installation.\n"
     "\n"},
    {"usage_web",
     " Options de l'interface Web\u00a0:\n"
     "    --web-interface      Exécuter l'assistant d'installation dans un\n"
     "                         navigateur Web au lieu de la console. L'assistant est\n"
     "                         servi sur le port 8447.\n"
     "\n"
     "    --ssl-cert <file.pem>\n"
     "                         Fichier contenant le certificat et la clé privée pour\n"
     "                         HTTPS. Par défaut, un certificat auto-signé est créé.\n"
     "\n"
     "    --without-ssl        Servir l'interface Web en HTTP non chiffré.\n"
     "\n"},
    {"usage_override",
     " Options remplaçant le système d'exploitation détecté\u00a0:\n"
     "    --override-os-name <arg>\n"
     "                         Utiliser le nom de système d'exploitation indiqué au\n"
     "                         lieu de celui détecté.\n"
     "\n"
     "    --override-os-vendor <arg>\n"
     "                         Utiliser l'éditeur de système d'exploitation indiqué\n"
     "                         au lieu de celui détecté.\n"
     "\n"
     "    --override-os-version <arg>\n"
     "                         Utiliser la version de système d'exploitation\n"
     "                         indiquée au lieu de celle détectée.\n"
     "\n"
     "    --override-os-arch <arg>\n"
     "                         Utiliser l'architecture indiquée au lieu de celle\n"
     "                         détectée.\n"
     "\n"
     "    --override-environment <arg>\n"
     "                         Utiliser l'environnement indiqué au lieu de celui\n"
     "                         détecté\u00a0: 'dedicated', 'cq'.\n"
     "\n"},
    {"usage_console",
     " Options de l'interface console interactive\u00a0:\n"
     "    --no-clear           Ne pas effacer l'écran lors du passage d'une page de\n"
     "                         l'assistant à une autre.\n"
     "\n"},
    {"usage_feedback",
     " Options de retour d'information\u00a0:\n"
     "    --enable-feedback    Autoriser le Programme d'installation de Zarni à\n"
     "                         envoyer un rapport d'erreur aux développeurs de Zarni\n"
     "                          lorsqu'un problème survient.\n"
     "\n"
     "    --disable-feedback   Ne pas envoyer de rapports d'erreur. Le Programme\n"
     "                         d'installation de Zarni mémorise ce choix pour les\n"
     "                          exécutions suivantes.\n"
     "\n"},
    {"usage_logging",
     " Options de journalisation et de notification\u00a0:\n"
     "    --notify-email <email>\n"
     "                         Lorsque le Programme d'installation de Zarni se\n"
     "                         termine, envoyer un rapport sur le résultat à\n"
     "                         l'adresse e-mail indiquée.\n"
     "\n"
     "    --truncate-log       Vider le fichier journal du Programme d'installation\n"
     "                         de Zarni au démarrage.\n"
     "\n"
     "    --separate-logs      Écrire un fichier journal distinct pour chaque\n"
     "                         exécution du Programme d'installation de Zarni.\n"
     "\n"
     "    --debug              Écrire les informations de débogage dans le fichier\n"
     "                         journal.\n"
     "\n"},
    {"usage_help",
     " Options d'aide et de version du Programme d'installation de Zarni\u00a0:\n"
     "    --version            Afficher la version du Programme d'installation de\n"
     "                         Zarni.\n"
     "\n"
     "    --usage,\n"
     "    --help               Afficher la présentation de l'interface à base de\n"
     "                         commandes.\n"
     "\n"
     "    --help-options       Afficher cette aide sur l'interface à base d'options.\n"
     "\n"},
    {"usage_obsolete",
     " Options obsolètes\u00a0:\n"
     "    --disable-zarni-sys-updates\n"
     "                         Servait à désactiver les mises à jour du système\n"
     "                         d'exploitation fournies avec Zarni. Elle est toujours\n"
     "                         acceptée mais ne modifie plus ce qui est installé.\n"
     "\n"
     "    --install-everything\n"
     "                         Installer tous les composants de la révision\n"
     "                         sélectionnée du produit. Utilisez plutôt\n"
     "                         --installation-type 'Full' (Complète).\n"
     "\n"
     "    --branch <tiers>     Identique à --tier.\n"
     "\n"
     "    --skip-branch-filter\n"
     "                         Identique à --all-versions.\n"
     "\n"},
    {"usage_deprecated",
     " Options dépréciées (acceptées, mais ignorées avec un avertissement)\u00a0:\n"
     "    --source-type        Servait à définir le type de la source d'installation.\n"
     "                         Le type est désormais reconnu d'après la valeur de\n"
     "                         --source.\n"
     "\n"
     "    --add-source         Servait à ajouter une source de paquets\n"
     "                         supplémentaire.\n"
     "\n"
     "    --show-additional-source-types\n"
     "                         Servait à afficher les types de sources de paquets\n"
     "                         supplémentaires.\n"
     "\n"
     "    --show-additional-sources\n"
     "                         Servait à afficher les sources de paquets\n"
     "                         supplémentaires.\n"
     "\n"
     "    --mirror-os          Servait à créer le miroir des versions du produit pour\n"
     "                         un autre système d'exploitation.\n"
     "\n"
     "    --install-system-only\n"
     "                         Servait à installer uniquement les paquets système de\n"
     "                         Zarni Tenebrin.\n"
     "\n"
     "    --allow-kernel-install\n"
     "                         Servait à autoriser l'installation de paquets du\n"
     "                         noyau.\n"
     "\n"
     "    --disable-major-updates\n"
     "                         Servait à empêcher les mises à niveau vers une\n"
     "                         nouvelle révision majeure. Sélectionnez plutôt la\n"
     "                         révision à installer avec --select-release-id ou\n"
     "                          --select-release-current.\n"
     "\n"
     "    --upgrade-system-packages\n"
     "                         Servait à mettre également à niveau les paquets du\n"
     "                         système d'exploitation.\n"
     "\n"
     "    --reinstall-patch    Servait à réinstaller le dernier correctif des\n"
     "                         produits sélectionnés. L'interface à base de\n"
     "                         commandes ignore --repatch de la même façon.\n"
     "\n"
     "    --skip-patch         Servait à ignorer l'installation des correctifs.\n"
     "                         L'interface à base de commandes l'ignore de la même\n"
     "                         façon.\n"
     "\n"
     "    --no-space-check     Servait à ignorer la vérification de l'espace disque\n"
     "                         libre.\n"
     "\n"},
    {"usage_end", "Consultez 'installer help' pour plus d'informations sur l'interface à base de\ncommandes.\n"},
    {"usage_commands",
     "Utilisation\u00a0: installer COMMAND [OPTIONS]\n"
     "\n"
     "Commandes du programme d'installation Zarni\u00a0:\n"
     "list Afficher les produits, révisions, préréglages et composants disponibles\n"
     "list-all Afficher tous les produits disponibles et leurs révisions\n"
     "install Installer une révision d'un produit\n"
     "update Installer les dernières mises à jour des produits installés\n"
     "add Ajouter des composants à un produit installé\n"
     "remove Supprimer des composants d'un produit installé\n"
     "upgrade Mettre à niveau un produit installé vers une autre révision\n"
     "stop Arrêter le programme d'installation de Zarni en cours d'exécution\n"
     "version Afficher la version du programme d'installation de Zarni\n"
     "help Afficher l'aide d'une commande\n"
     "\n"
     "Consultez \"\u00a0installer help COMMAND\u00a0\" pour l'aide sur une commande précise.\n"
     "Consultez \"\u00a0installer --help-options\u00a0\" pour l'aide sur l'interface à base\n"
     "d'options.\n"},
    {"usage_cmd_prefix", "Utilisation\u00a0: installer "},
    {"usage_cmd_version", "Afficher la version du Programme d'installation de Zarni."},
    {"usage_cmd_help", "Sans COMMAND, afficher les commandes. Avec COMMAND, afficher l'aide de cette\ncommande\u00a0; ajoutez --verbose (-v) pour voir davantage de ses options."},
    {"usage_cmd_list_all", "Afficher tous les produits disponibles et leurs révisions."},
    {"usage_cmd_list",
     "Afficher les produits et révisions disponibles. Pour une révision exacte (un ID\n"
     "de révision, ou un ID de produit et une version), afficher ses préréglages\n"
     "d'installation (--presets), ses composants (--components, avec leurs\n"
     "paramètres si --options est ajoutée) ou la configuration du gestionnaire de\n"
     "paquets du système pour celle-ci (--sources)."},
    {"usage_cmd_install",
     "Installer une révision d'un produit. Sans sélecteur, la dernière révision\n"
     "disponible de Zarni est installée. Choisissez les composants avec un préréglage\n"
     "(--preset, que --with et --without ajustent) ou nommez-les avec --components."},
    {"usage_cmd_upgrade",
     "Mettre à niveau un produit installé vers une autre révision. Désignez la\n"
     "révision par son ID de révision, par un ID de produit et une version, ou par un\n"
     "ID de produit et un niveau (la dernière révision de ce niveau est retenue). Sans\n"
     "révision exacte, les révisions disponibles sont affichées."},
    {"usage_cmd_update",
     "Installer les dernières mises à jour de tous les produits installés, ou de\n"
     "PRODUCT seulement, sans les mettre à niveau vers une autre révision."},
    {"usage_cmd_add", "Ajouter des composants à un produit installé."},
    {"usage_cmd_remove", "Supprimer des composants d'un produit installé."},
    {"usage_cmd_add_remove_tail", "PRODUCT (PRODUIT) peut être omis lorsqu'un seul produit est installé.\n"},
    {"usage_cmd_stop",
     "Arrêter le programme d'installation de Zarni en cours d'exécution. Il s'arrête\n"
     "au prochain point sûr\u00a0; avec --terminate, il s'arrête même pendant\n"
     "l'installation des paquets."},
    {"usage_components",
     "COMPONENTS est une liste d'ID de composants. Séparez-les par des espaces ou des\n"
     "virgules, ou répétez l'option\u00a0:\n"
     "  --components panel horde\n"
     "  --components panel,horde\n"
     "  --components panel --components horde\n"},
    {"usage_verbose", "Ajoutez '--verbose' (ou '-v') pour plus d'options, '--verbose=2' pour toutes."},
    {"usage_hdr_command_opts", "Options de la commande"},
    {"usage_hdr_general_opts", "Options générales"},
    {"usage_hdr_download_opts", "Options de téléchargement"},
    {"usage_hdr_proxy_opts", "Options du proxy"},
    {"usage_hdr_skip_opts", "Options permettant d'ignorer des étapes"},
    {"usage_hdr_env_opts", "Options remplaçant le système d'exploitation"},
    {"usage_opt_source", "Source d'installation : URL du serveur de mise à jour ou d'un miroir, ou chemin absolu d'un répertoire local."},
    {"usage_opt_target", "Répertoire des fichiers téléchargés."},
    {"usage_opt_tries", "Nombre de nouvelles tentatives d'un téléchargement échoué (par défaut\u00a0: 3)."},
    {"usage_opt_ext", "URL de l'Extensions Catalog à utiliser au lieu de celui que désigne le produit."},
    {"usage_opt_proxy_host", "Nom d'hôte ou adresse IP du serveur proxy."},
    {"usage_opt_proxy_port", "Port du serveur proxy (par défaut\u00a0: 3128)."},
    {"usage_opt_proxy_user", "Nom d'utilisateur pour l'authentification proxy."},
    {"usage_opt_proxy_pass", "Mot de passe pour l'authentification proxy."},
    {"usage_opt_skip_examine", "Ne pas exécuter les vérifications des composants et du produit avant et après l'installation."},
    {"usage_opt_skip_gpg", "Ne pas vérifier les signatures GPG des paquets."},
    {"usage_opt_skip_cleanup", "Conserver la configuration des dépôts de paquets à la sortie du Programme d'installation."},
    {"usage_opt_no_self_upgrade", "Ne pas remplacer le Programme d'installation de Zarni par une version plus récente ou plus ancienne de lui-même."},
    {"usage_opt_help", "Afficher l'aide de la commande."},
    {"usage_opt_xml", "Afficher les réponses et les messages d'état au format XML."},
    {"usage_opt_debug", "Écrire les informations de débogage dans le fichier journal."},
    {"usage_opt_truncate_log", "Vider le fichier journal du Programme d'installation de Zarni au démarrage."},
    {"usage_opt_separate_log", "Écrire un fichier journal distinct pour chaque exécution du Programme d'installation de Zarni."},
    {"usage_opt_email", "Lorsque le Programme d'installation de Zarni se termine, envoyer un rapport sur le résultat à cette adresse e-mail."},
    {"usage_opt_verbose", "Afficher davantage d'options dans l'aide\u00a0: 1 pour plus d'options, 2 pour toutes les options."},
    {"usage_opt_completion", "Afficher les options de la commande pour la complétion du shell (JSON)."},
    {"usage_opt_override_os_name", "Nom du système d'exploitation à utiliser au lieu de celui détecté."},
    {"usage_opt_override_os_vendor", "Éditeur du système d'exploitation à utiliser au lieu de celui détecté."},
    {"usage_opt_override_os_version", "Version du système d'exploitation à utiliser au lieu de celle détectée."},
    {"usage_opt_override_os_arch", "Architecture à utiliser au lieu de celle détectée."},
    {"usage_opt_override_env", "Environnement à utiliser au lieu de celui détecté\u00a0: 'dedicated', 'cq'."},
    {"usage_opt_list_presets", "Afficher les préréglages d'installation de la révision."},
    {"usage_opt_list_components", "Afficher les composants de la révision."},
    {"usage_opt_list_options", "Avec --components, afficher également les paramètres de chaque composant."},
    {"usage_opt_dry_run", "Ne rien modifier\u00a0; afficher seulement les paquets qui seraient installés [I], mis à niveau [U] ou supprimés [R]."},
    {"usage_opt_install_preset", "Installer les composants de ce préréglage (type d'installation), par exemple 'Recommended' ou 'Full'."},
    {"usage_opt_install_with", "Composants à installer en plus du préréglage."},
    {"usage_opt_install_without", "Composants du préréglage à ne pas installer."},
    {"usage_opt_install_components", "Composants à installer, au lieu d'un préréglage."},
    {"usage_opt_install_options", "Paramètres des composants, chacun sous la forme name=value."},
    {"usage_opt_update_panel_only", "Installer uniquement les mises à jour de Zarni lui-même, et non celles des autres services gérés par Zarni."},
    {"usage_opt_addremove_components", "Composants à ajouter ou à supprimer."},
    {"usage_opt_stop_terminate", "Arrêter le programme d'installation de Zarni même pendant l'installation des paquets (envoyer SIGTERM au lieu de SIGHUP)."},
    {"error_supp_need", "Vous pouvez rechercher une solution sur le site d'assistance de Zarni\u00a0: https://support.zarni.example/"},
    {"os_win2003_not_supported", "Windows Server\u00a02003 n'est plus pris en charge par Zarni. Conformément à la politique de cycle de vie de Zarni (https://www.zarni.example/legal/lifecycle-policy/), nous vous recommandons d'utiliser une version plus récente du système d'exploitation."},
    {"os_win2008_not_supported_product_installed", "Windows Server\u00a02008 n'est plus pris en charge par Zarni. Conformément à la politique de cycle de vie de Zarni (https://www.zarni.example/legal/lifecycle-policy/), nous vous recommandons d'utiliser une version plus récente du système d'exploitation. Pour déplacer Zarni vers un serveur doté d'un système d'exploitation pris en charge, suivez le guide de migration (https://www.zarni.example/en/121368)."},
    {"os_win2008_not_supported_product_not_installed", "Windows Server\u00a02008 n'est plus pris en charge par Zarni. Conformément à la politique de cycle de vie de Zarni (https://www.zarni.example/legal/lifecycle-policy/), nous vous recommandons d'utiliser une version plus récente du système d'exploitation."},
    {"os_win2008r2_not_supported_product_installed", "Windows Server\u00a02008\u00a0R2 n'est plus pris en charge par Zarni. Conformément à la politique de cycle de vie de Zarni (https://www.zarni.example/legal/lifecycle-policy/), nous vous recommandons d'utiliser une version plus récente du système d'exploitation. Pour déplacer Zarni vers un serveur doté d'un système d'exploitation pris en charge, suivez le guide de migration (https://www.zarni.example/en/121368)."},
    {"os_win2008r2_not_supported_product_not_installed", "Windows Server\u00a02008\u00a0R2 n'est plus pris en charge par Zarni. Conformément à la politique de cycle de vie de Zarni (https://www.zarni.example/legal/lifecycle-policy/), nous vous recommandons d'utiliser une version plus récente du système d'exploitation."},
};

}  // namespace

void loadInstallerMessages_fr_FR(Messages::messages_rep& catalogue)
{
    loadMessageTable(catalogue, kTable);
}

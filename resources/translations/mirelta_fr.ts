<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Mirelta</name>
    <message>
        <location filename="../../src/app/analysis_action.cpp" line="24"/>
        <source>&amp;Analysis...</source>
        <translation>&amp;Analyse...</translation>
    </message>
    <message>
        <location filename="../../src/app/analysis_action.cpp" line="27"/>
        <source>Spectrum analysis (Ctrl+Shift+A)</source>
        <translation>Analyse du spectre (Ctrl+Maj+A)</translation>
    </message>
    <message>
        <location filename="../../src/app/analysis_action.cpp" line="33"/>
        <source>Spectrum &amp;Analysis...</source>
        <translation>&amp;Analyse du spectre...</translation>
    </message>
    <message>
        <location filename="../../src/app/export_all_action.cpp" line="39"/>
        <source>&amp;Export All...</source>
        <translation>&amp;Tout exporter...</translation>
    </message>
    <message>
        <location filename="../../src/app/export_all_action.cpp" line="61"/>
        <source>Exporting pictures...</source>
        <translation>Exportation des images...</translation>
    </message>
    <message>
        <location filename="../../src/app/export_all_action.cpp" line="62"/>
        <location filename="../../src/app/folder_overview_window.cpp" line="89"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../../src/app/export_all_action.cpp" line="82"/>
        <source>Wrote %1 of %2 pictures to %3</source>
        <translation>%1 images sur %2 écrites dans %3</translation>
    </message>
    <message>
        <location filename="../../src/app/export_all_action.cpp" line="89"/>
        <source>Cannot export every picture.</source>
        <translation>Toutes les images n&apos;ont pas pu être exportées.</translation>
    </message>
    <message>
        <location filename="../../src/app/export_all_action.cpp" line="95"/>
        <source>Export cancelled.</source>
        <translation>Exportation annulée.</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_action.cpp" line="25"/>
        <source>Open &amp;Folder...</source>
        <translation>Ouvrir un &amp;dossier...</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_action.cpp" line="32"/>
        <source>Open Recent F&amp;older</source>
        <translation>Dossiers réce&amp;nts</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_action.cpp" line="40"/>
        <location filename="../../src/app/mirelta_dlg_desktop.cpp" line="100"/>
        <source>%1  (missing)</source>
        <translation>%1  (introuvable)</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_action.cpp" line="49"/>
        <source>Open Folder</source>
        <translation>Ouvrir un dossier</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_action.cpp" line="25"/>
        <source>&amp;Job Details...</source>
        <translation>&amp;Intervention...</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_action.cpp" line="35"/>
        <source>Open a meter file first: its job details are kept beside it, as NAME.job.json.</source>
        <translation>Ouvrez d&apos;abord un fichier du mesureur : les informations de l&apos;intervention sont enregistrées à côté, dans NOM.job.json.</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="50"/>
        <source>&amp;Known</source>
        <translation>&amp;Connue</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="55"/>
        <source>Job Details - %1</source>
        <translation>Intervention - %1</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="58"/>
        <source>North positive</source>
        <translation>Nord positif</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="59"/>
        <source>East positive</source>
        <translation>Est positif</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="68"/>
        <source>&amp;Customer:</source>
        <translation>&amp;Client :</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="69"/>
        <source>Site &amp;address:</source>
        <translation>&amp;Adresse du site :</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="70"/>
        <source>&amp;Installer:</source>
        <translation>&amp;Installateur :</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="71"/>
        <source>Job &amp;date:</source>
        <translation>&amp;Date de l&apos;intervention :</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="72"/>
        <source>Dish si&amp;ze:</source>
        <translation>&amp;Taille de la parabole :</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="73"/>
        <source>&amp;LNB model:</source>
        <translation>&amp;Modèle de LNB :</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="74"/>
        <source>&amp;GPS position:</source>
        <translation>Position &amp;GPS :</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="75"/>
        <source>&amp;Notes:</source>
        <translation>&amp;Remarques :</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="90"/>
        <source>%1 cannot be read: %2

It is left as it is unless you save new details over it.</source>
        <translation>%1 ne peut pas être lu : %2

Il reste tel quel, sauf si vous enregistrez de nouvelles informations à sa place.</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="131"/>
        <source>Replace the unreadable %1 with these details?</source>
        <translation>Remplacer le fichier illisible %1 par ces informations ?</translation>
    </message>
    <message>
        <location filename="../../src/app/job_details_dialog.cpp" line="140"/>
        <source>The job details could not be saved to %1:
%2

Nothing typed is lost: choose Save again once the folder can be written, or Cancel.</source>
        <translation>Les informations de l&apos;intervention n&apos;ont pas pu être enregistrées dans %1 :
%2

Rien de ce qui a été saisi n&apos;est perdu : choisissez à nouveau Enregistrer quand le dossier sera accessible en écriture, ou Annuler.</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="26"/>
        <source>Mirelta</source>
        <translation>Mirelta</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="27"/>
        <source>%1 - Mirelta</source>
        <translation>%1 - Mirelta</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="35"/>
        <source>%1 %2 of %3: %4</source>
        <translation>%1 %2 sur %3 : %4</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="110"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="111"/>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="115"/>
        <location filename="../../src/app/mirelta_dlg_desktop.cpp" line="92"/>
        <source>Open &amp;Recent</source>
        <translation>Fichiers ré&amp;cents</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="130"/>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="136"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="137"/>
        <location filename="../../src/app/mirelta_dlg.cpp" line="376"/>
        <source>&amp;About Mirelta...</source>
        <translation>À &amp;propos de Mirelta...</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="148"/>
        <source>&amp;View</source>
        <translation>A&amp;ffichage</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="150"/>
        <source>&amp;Find</source>
        <translation>&amp;Pointage</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="151"/>
        <source>&amp;Constellation</source>
        <translation>&amp;Constellation</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="152"/>
        <source>&amp;Spectrum</source>
        <translation>&amp;Spectre</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="158"/>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="159"/>
        <source>&amp;English</source>
        <translation>&amp;Anglais</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="161"/>
        <source>F&amp;rench</source>
        <translation>&amp;Français</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="164"/>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="167"/>
        <source>&amp;Fit to Window</source>
        <translation>&amp;Ajuster à la fenêtre</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="169"/>
        <source>&amp;100 %</source>
        <translation>&amp;100 %</translation>
    </message>
    <message>
        <location filename="../../src/app/main_window.cpp" line="170"/>
        <source>&amp;200 %</source>
        <translation>&amp;200 %</translation>
    </message>
    <message>
        <location filename="../../src/app/analysis_view.cpp" line="18"/>
        <source>Spectrum analysis</source>
        <translation>Analyse du spectre</translation>
    </message>
    <message>
        <location filename="../../src/app/analysis_view.cpp" line="22"/>
        <source>Point at the plot for a frequency and its level</source>
        <translation>Pointez le tracé pour lire une fréquence et son niveau</translation>
    </message>
    <message>
        <location filename="../../src/app/analysis_view.cpp" line="28"/>
        <source>no carrier found</source>
        <translation>aucune porteuse trouvée</translation>
    </message>
    <message>
        <location filename="../../src/app/analysis_view.cpp" line="30"/>
        <source>1 carrier</source>
        <translation>1 porteuse</translation>
    </message>
    <message>
        <location filename="../../src/app/analysis_view.cpp" line="31"/>
        <source>%1 carriers</source>
        <translation>%1 porteuses</translation>
    </message>
    <message>
        <location filename="../../src/app/analysis_view.cpp" line="48"/>
        <source>not known</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <location filename="../../src/app/analysis_view.cpp" line="49"/>
        <source>Ku band: 9000 to 12000 MHz (RF = LO + IF); C band: 3000 to 5750 MHz (RF = LO - IF)</source>
        <translation>Bande Ku : 9000 à 12000 MHz (RF = OL + FI) ; bande C : 3000 à 5750 MHz (RF = OL - FI)</translation>
    </message>
    <message>
        <location filename="../../src/app/analysis_view.cpp" line="55"/>
        <source>LNB &amp;LO (MHz):</source>
        <translation>&amp;OL du LNB (MHz) :</translation>
    </message>
    <message>
        <location filename="../../src/app/analysis_view.cpp" line="100"/>
        <location filename="../../src/app/main_window.cpp" line="193"/>
        <source>No file open</source>
        <translation>Aucun fichier ouvert</translation>
    </message>
    <message>
        <location filename="../../src/app/analysis_view.cpp" line="104"/>
        <source>This file holds no spectrum snapshot</source>
        <translation>Ce fichier ne contient aucun relevé de spectre</translation>
    </message>
    <message>
        <location filename="../../src/app/analysis_view.cpp" line="110"/>
        <source>Spectrum %1 of %2: %3</source>
        <translation>Spectre %1 sur %2 : %3</translation>
    </message>
    <message>
        <location filename="../../src/app/analysis_view.cpp" line="115"/>
        <source>Noise floor %1 dBuV, </source>
        <translation>Plancher de bruit %1 dBµV, </translation>
    </message>
    <message>
        <location filename="../../src/app/analysis_view.cpp" line="117"/>
        <source>No noise floor, </source>
        <translation>Pas de plancher de bruit, </translation>
    </message>
    <message>
        <location filename="../../src/app/analysis_view.cpp" line="121"/>
        <source>; no RF: the LO is neither Ku nor C band</source>
        <translation> ; pas de RF : l&apos;OL n&apos;est ni en bande Ku ni en bande C</translation>
    </message>
    <message>
        <location filename="../../src/app/analysis_view.cpp" line="135"/>
        <source>no level</source>
        <translation>pas de niveau</translation>
    </message>
    <message>
        <location filename="../../src/app/mirelta_dlg.cpp" line="81"/>
        <source>This file holds no saved measurements</source>
        <translation>Ce fichier ne contient aucune mesure enregistrée</translation>
    </message>
    <message>
        <location filename="../../src/app/mirelta_dlg.cpp" line="174"/>
        <source>Saved to %1</source>
        <translation>Enregistré dans %1</translation>
    </message>
    <message>
        <location filename="../../src/app/mirelta_dlg.cpp" line="188"/>
        <source>Save &amp;As...</source>
        <translation>&amp;Enregistrer sous...</translation>
    </message>
    <message>
        <location filename="../../src/app/mirelta_dlg_desktop.cpp" line="36"/>
        <source>Open a meter file (Ctrl+O) or drop it here</source>
        <translation>Ouvrez un fichier du mesureur (Ctrl+O) ou déposez-le ici</translation>
    </message>
    <message>
        <location filename="../../src/app/mirelta_dlg_desktop.cpp" line="106"/>
        <source>&amp;Clear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <location filename="../../src/app/mirelta_dlg_desktop.cpp" line="115"/>
        <source>This file is missing and was removed from Open Recent:
%1</source>
        <translation>Ce fichier est introuvable et a été retiré des fichiers récents :
%1</translation>
    </message>
    <message>
        <location filename="../../src/app/report_actions.cpp" line="50"/>
        <source>&amp;Report...</source>
        <translation>&amp;Rapport...</translation>
    </message>
    <message>
        <location filename="../../src/app/report_actions.cpp" line="53"/>
        <source>&amp;Print...</source>
        <translation>Im&amp;primer...</translation>
    </message>
    <message>
        <location filename="../../src/app/report_actions.cpp" line="78"/>
        <source>Cannot save the report to
%1</source>
        <translation>Impossible d&apos;enregistrer le rapport dans
%1</translation>
    </message>
    <message>
        <location filename="../../src/app/carrier_table.cpp" line="30"/>
        <source>Centre IF (MHz)</source>
        <translation>Centre FI (MHz)</translation>
    </message>
    <message>
        <location filename="../../src/app/carrier_table.cpp" line="31"/>
        <source>Bandwidth (MHz)</source>
        <translation>Largeur (MHz)</translation>
    </message>
    <message>
        <location filename="../../src/app/carrier_table.cpp" line="32"/>
        <source>Symbol rate (Msps)</source>
        <translation>Débit symbole (Msym/s)</translation>
    </message>
    <message>
        <location filename="../../src/app/carrier_table.cpp" line="33"/>
        <source>Peak (dBuV)</source>
        <translation>Crête (dBµV)</translation>
    </message>
    <message>
        <location filename="../../src/app/carrier_table.cpp" line="34"/>
        <source>Channel power (dBuV)</source>
        <translation>Puissance canal (dBµV)</translation>
    </message>
    <message>
        <location filename="../../src/app/carrier_table.cpp" line="35"/>
        <source>Matches</source>
        <translation>Relevés</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_model.cpp" line="26"/>
        <location filename="../../src/app/main_window.cpp" line="45"/>
        <source>Find</source>
        <translation>Pointage</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_model.cpp" line="28"/>
        <location filename="../../src/app/main_window.cpp" line="51"/>
        <source>Constellation</source>
        <translation>Constellation</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_model.cpp" line="30"/>
        <location filename="../../src/app/main_window.cpp" line="57"/>
        <source>Spectrum</source>
        <translation>Spectre</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_model.cpp" line="91"/>
        <source>cannot open: </source>
        <translation>ouverture impossible : </translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_model.cpp" line="92"/>
        <source>cannot read: </source>
        <translation>lecture impossible : </translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_model.cpp" line="96"/>
        <source>not a meter file</source>
        <translation>pas un fichier du mesureur</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_model.cpp" line="98"/>
        <source>no saved snapshots</source>
        <translation>aucun relevé enregistré</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_model.cpp" line="220"/>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_model.cpp" line="221"/>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_model.cpp" line="223"/>
        <source>Label</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_model.cpp" line="224"/>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_model.cpp" line="225"/>
        <source>RF MHz</source>
        <translation>RF MHz</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_model.cpp" line="226"/>
        <source>Pol.</source>
        <translation>Pol.</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_model.cpp" line="227"/>
        <source>SR kS/s</source>
        <translation>DS kS/s</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_model.cpp" line="228"/>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_model.cpp" line="229"/>
        <source>Power dBuV</source>
        <translation>Niveau dBµV</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_model.cpp" line="232"/>
        <source>Margin dB</source>
        <translation>Marge dB</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_model.cpp" line="233"/>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_model.cpp" line="234"/>
        <source>Carriers</source>
        <translation>Porteuses</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_window.cpp" line="41"/>
        <source>Folder overview - </source>
        <translation>Vue du dossier - </translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_window.cpp" line="54"/>
        <source>Text in any column</source>
        <translation>Texte dans une colonne</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_window.cpp" line="56"/>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtre :</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_window.cpp" line="60"/>
        <source>&amp;Verdict:</source>
        <translation>&amp;Verdict :</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_window.cpp" line="81"/>
        <source>Looking for meter files...</source>
        <translation>Recherche des fichiers du mesureur...</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_window.cpp" line="84"/>
        <source>%1 of %2 files</source>
        <translation>%1 fichiers sur %2</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_window.cpp" line="201"/>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_window.cpp" line="207"/>
        <source>files without snapshots</source>
        <translation>fichiers sans relevé</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_window.cpp" line="218"/>
        <source>Reading... </source>
        <translation>Lecture... </translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_window.cpp" line="220"/>
        <source>1 file</source>
        <translation>1 fichier</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_window.cpp" line="221"/>
        <source>%1 files</source>
        <translation>%1 fichiers</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_window.cpp" line="223"/>
        <source> (%1 without snapshots)</source>
        <translation> (%1 sans relevé)</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_window.cpp" line="227"/>
        <source>1 snapshot</source>
        <translation>1 relevé</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_window.cpp" line="228"/>
        <source>%1 snapshots</source>
        <translation>%1 relevés</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_window.cpp" line="230"/>
        <source> (cancelled: %1 files not read)</source>
        <translation> (annulé : %1 fichiers non lus)</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_window.cpp" line="234"/>
        <source>; %1 of %2 rows shown</source>
        <translation> ; %1 lignes affichées sur %2</translation>
    </message>
    <message>
        <location filename="../../src/app/folder_overview_window.cpp" line="239"/>
        <source>. Double-click a row or press Enter to open it.</source>
        <translation>. Double-cliquez sur une ligne ou appuyez sur Entrée pour l&apos;ouvrir.</translation>
    </message>
    <message>
        <location filename="../../src/app/about_dlg.cpp" line="16"/>
        <source>About Mirelta</source>
        <translation>À propos de Mirelta</translation>
    </message>
    <message>
        <location filename="../../src/app/about_dlg.cpp" line="21"/>
        <source>Build %1
Licence: GNU GPL version 3 or later (%2)</source>
        <translation>Compilation %1
Licence : GNU GPL version 3 ou ultérieure (%2)</translation>
    </message>
</context>
</TS>

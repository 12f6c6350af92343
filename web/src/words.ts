// The page's words. A label the Atelier has is taken from the Atelier's own
// translation file (generated/atelier-words.json, French -> English); the
// few texts only the page shows are here, in both languages.
import atelierWords from './generated/atelier-words.json';
import type { LanguageCode } from './engine';

const pageWords: Record<string, string> = {
  'Enregistrer le dessin': 'Save design',
  'Ouvrir un dessin…': 'Open design…',
  'Langue': 'Language',
  'Annuler': 'Undo',
  'Rétablir': 'Redo',
  'Copier le lien': 'Copy link',
  'Lien copié': 'Link copied',
  'Fichiers': 'Files',
  'Dessin de la touche': 'Board drawing',
  'Agrandir': 'Zoom in',
  'Réduire': 'Zoom out',
  'Tout voir': 'Fit',
  'Le dessin montre le dernier dessin valable.': 'The drawing shows the last valid design.',
  'Ce dessin ne peut pas être ouvert : %1': 'This design cannot be opened: %1',
  'Touche en éventail': 'Fanned board',
  'Accord (du grave à l\'aigu)': 'Tuning (bass first)',
  'N divisions égales de la période': 'N equal divisions of the period',
  'Tables': 'Tables',
  'Gammes classiques': 'Classic scales',
  'Calculs faits dans cette page, rien n\'est envoyé.': 'Computed in this page; nothing is sent anywhere.',
  'Papier du PDF': 'PDF paper',
  'Pas de courbe de justesse sans cordes.': 'No intonation chart without strings.',
  'Pas de cordes : choisissez un jeu.': 'No strings: choose a set.',
  'Ce dessin n\'a pas pu être calculé.': 'This design could not be computed.',
};

const english = atelierWords as Record<string, string>;

let current: LanguageCode = 'en';

export function setLanguage(language: LanguageCode): void {
  current = language;
  document.documentElement.lang = language;
}

export function language(): LanguageCode {
  return current;
}

// A French text in the page's language, "%1"… filled in order.
export function say(french: string, ...values: string[]): string {
  const text = current === 'fr' ? french : (pageWords[french] ?? english[french] ?? french);
  return values.reduce((filled, value, i) => filled.replace(`%${i + 1}`, value), text);
}

// The browser's first language that we speak; English otherwise.
export function browserLanguage(): LanguageCode {
  for (const code of navigator.languages ?? [navigator.language])
    if (code.toLowerCase().startsWith('fr')) return 'fr';
  return 'en';
}

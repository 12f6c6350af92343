// The engines compiled to WebAssembly, behind types: a design file's text
// in, the table, problems and files out (source/web/web_engine.h).

import type { Pages } from './pdf';

export type LanguageCode = 'fr' | 'en';

export interface EngineProblem {
  field: string; // the design file's key ("bass_length"), empty for the file as a whole
  message: string;
}

export interface WorkshopTable {
  headings: string[];
  keys: string[];
  right: boolean[];
  rows: string[][];
}

export type Output = 'table' | 'strings' | 'svg' | 'dxf' | 'gcode' | 'csv' | 'design' | 'chart' | 'pdf';
export type PaperName = 'a4' | 'letter' | 'a3' | 'legal';

export interface EngineRequest {
  design: string;
  language: LanguageCode;
  separator: '.' | ',';
  date: string; // as the title block prints it
  paper?: PaperName;
  want?: Output[];
}

export interface EngineAnswer {
  failed?: 'request' | 'memory' | 'engine';
  problem?: EngineProblem;
  title?: string;
  notices?: string[];
  table?: WorkshopTable;
  strings?: WorkshopTable;
  svg?: string;
  dxf?: string;
  csv?: string;
  design?: string;
  chart?: string;
  gcode?: string[];
  gcode_problem?: EngineProblem;
  pdf?: Pages | { problem: EngineProblem };
}

export interface NumberField {
  key: string; // "nut_width", "action.relief_mm", "router.feed"
  name: string;
  quantity: 'length' | 'feed' | 'count' | 'frequency';
  style: string;
  low: number;
  high: number;
  default: number;
  optional: boolean;
}

export interface Vocabulary {
  fields: NumberField[];
  notes: { file: string; name: string }[]; // the open note: in design files, in words
  classic_scales: { name: string; title: string; diatonic: boolean }[];
  tables: { name: string; title: string }[];
  string_sets: { name: string; title: string; tuning: string[]; items: string[] }[];
  default_design: string;
}

interface EngineModule {
  cwrap(name: string, returns: 'string', parameters: ['string']): (text: string) => string;
}

export class Engine {
  private constructor(
    private readonly answerCall: (text: string) => string,
    private readonly vocabularyCall: (text: string) => string,
  ) {}

  // The module sits beside the page, in engine/.
  static async load(base: string = document.baseURI): Promise<Engine> {
    const url = new URL('engine/corvane-engine.mjs', base).href;
    const factory = (await import(/* @vite-ignore */ url)).default as () => Promise<EngineModule>;
    const module = await factory();
    return new Engine(
      module.cwrap('corvane_answer', 'string', ['string']),
      module.cwrap('corvane_vocabulary', 'string', ['string']),
    );
  }

  answer(request: EngineRequest): EngineAnswer {
    return JSON.parse(this.answerCall(JSON.stringify(request))) as EngineAnswer;
  }

  vocabulary(language: LanguageCode): Vocabulary {
    return JSON.parse(this.vocabularyCall(language)) as Vocabulary;
  }
}

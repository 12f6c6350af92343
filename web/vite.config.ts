// The page's static files go to build/web/, with relative addresses so
// that they work from any folder of any static server.
import { defineConfig } from 'vite';

export default defineConfig({
  base: './',
  build: { outDir: '../build/web', emptyOutDir: true, target: 'es2022' },
});

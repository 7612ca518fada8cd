// The designer page: wires the views to the designer and reads the first view.

import {Designer} from './designer.js';
import {Findings} from './findings.js';
import {History} from './history.js';
import {Outline} from './outline.js';
import {Panel} from './panel.js';
import {ReadOnlyBanner} from './read_only.js';
import {SelectionView} from './selection_view.js';
import {StateBar} from './state_bar.js';
import {StructureBar} from './structure_bar.js';
import {WindowView} from './window_view.js';

const designer = new Designer();
const windowView = new WindowView(designer);
new SelectionView(designer, windowView);
new StateBar(designer);
new StructureBar(designer);
new Outline(designer);
new Panel(designer);
new Findings(designer);
new History(designer);
new ReadOnlyBanner(designer);
designer.start();

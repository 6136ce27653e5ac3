// The menu's falling dice, drawn like a cartoon: first a dark shell a little larger than
// the die, of which only the inside shows (the front faces are culled), so a line runs
// round the silhouette; then the die itself in three flat bands of light. The shell's
// thickness grows with g_outlineScale (1 and a little, more for dice further away), so
// the line keeps about the same width on screen.

uniform mat4 g_viewProjection;
uniform mat4 g_view;
uniform mat4 g_modelTransform;
uniform sampler2D g_diffuseTexture;
uniform float g_outlineScale;

shared {
    varying vec2 v_uv;
    varying vec3 v_normal;
}

vertex OutlineVS {
    attribute vec3 position : POSITION;
    attribute vec3 normal   : NORMAL;
    void main() {
        vec3 pushed = position + normal * (g_outlineScale - 1.0) * 0.6;
        gl_Position = g_viewProjection * (g_modelTransform * vec4(pushed, 1.0));
    }
}

fragment OutlineFS {
    void main() { gl_FragColor = vec4(0.06, 0.05, 0.1, 1.0); }
}

vertex ToonVS {
    attribute vec3 position : POSITION;
    attribute vec3 normal   : NORMAL;
    attribute vec2 uv       : TEXCOORD0;
    void main() {
        v_uv = uv;
        v_normal = mat3(g_modelTransform) * normal;
        gl_Position = g_viewProjection * (g_modelTransform * vec4(position, 1.0));
    }
}

fragment ToonFS {
    void main() {
        const vec3 light = vec3(-0.4, 0.7, 0.59);
        float d = max(dot(normalize(v_normal), light), 0.0);
        float band = d > 0.6 ? 1.0 : (d > 0.2 ? 0.78 : 0.56);
        gl_FragColor = vec4(texture2D(g_diffuseTexture, v_uv).rgb * band, 1.0);
    }
}

technique Technique1 {
    pass outline {
        VertexProgram = OutlineVS;
        FragmentProgram = OutlineFS;
        DepthTestEnable = true;
        DepthMask = true;
        BlendEnable = false;
        CullFaceEnable = true;
        CullFace = Front;
    }
    pass toon {
        VertexProgram = ToonVS;
        FragmentProgram = ToonFS;
        DepthTestEnable = true;
        DepthMask = true;
        BlendEnable = false;
        CullFaceEnable = true;
        CullFace = Back;
    }
}
